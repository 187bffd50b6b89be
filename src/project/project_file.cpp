#include "project/project_file.h"

#include "project/project_error_location.h"
#include "project/project_reader.h"
#include "settings/atomic_file.h"
#include "settings/errors.h"

void LoadProjectFile(const std::string& path, TProject& project) {
  std::string bytes;
  try {
    bytes = ReadWholeFile(path);
  } catch (const OrvError& error) {
    throw OrvError(WithErrorLocation(error.what(), path, 0));
  }
  TextLineReader file(std::move(bytes));
  TProject scratch;
  ReadProjectText(file, scratch, path);
  project = std::move(scratch);
}

void SaveProjectFile(const std::string& path, TProject& project) {
  WriteFileAtomically(path, project.FileText());
  project.SettleUnusedLimits();
}
