#include "project/file/project_file.h"

#include "base/atomic_file.h"
#include "project/file/file_size_limits.h"
#include "project/file/project_encoding.h"
#include "project/file/project_error_location.h"
#include "project/file/project_reader.h"

using namespace orv::base;

namespace orv::project {

void LoadProjectFile(const std::string& path, TProject& project) {
  TextLineReader file(ProjectBytesAsCp1251(ReadWholeFileNamingIt(path, kProjectFileLimit), path));
  TProject scratch;
  ReadProjectText(file, scratch, path);
  project = std::move(scratch);
}

void SaveProjectFile(const std::string& path, TProject& project) {
  WriteFileAtomically(path, project.FileText());
  project.SettleUnusedLimits();
}

}  // namespace orv::project
