#include "project/file/program_files.h"

#include <exception>

#include "project/report/report_template.h"
#include "project/catalogue/wire_catalog.h"
#include "settings/ports/ports.h"

using namespace orv::settings;

namespace orv::project {

namespace {

// Each folder ends with a separator; one the system cannot give is empty.
std::string FolderOrNothing(std::string (Folders::*folder)()) {
  try {
    return (GetFolders().*folder)();
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

std::vector<std::string> ProgramOwnFiles(bool catalogues) {
  std::vector<std::string> files;
  const std::string program = FolderOrNothing(&Folders::ProgramFolder);
  if (!program.empty()) {
    for (bool english : {true, false}) {
      for (bool nBased : {false, true})
        files.push_back(ReportTemplatePath(program, ReportTemplateName(english, nBased)));
    }
    if (catalogues) files.push_back(program + TWireCatalog::kFileName);
  }
  const std::string data = catalogues ? FolderOrNothing(&Folders::SharedDataFolder) : std::string();
  if (!data.empty()) files.push_back(data + TWireCatalog::kFileName);
  return files;
}

}  // namespace orv::project
