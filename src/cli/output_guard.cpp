#include "cli/output_guard.h"

#include "base/errors.h"
#include "base/file_identity.h"
#include "project/report/report_template.h"
#include "project/wire_catalog.h"
#include "settings/ports/ports.h"

using namespace orv::base;
using namespace orv::project;
using namespace orv::settings;

namespace orv::cli {

namespace {

// Each folder ends with a separator. One the system cannot give leaves its
// files out: they cannot be written over through it either.
std::string FolderOrNothing(std::string (Folders::*folder)()) {
  try {
    return (GetFolders().*folder)();
  } catch (const std::exception&) {
    return {};
  }
}

// A catalogue may be written over a catalogue: the build makes the shipped
// one that way, and an import may replace the desktop's on purpose.
std::vector<std::string> ProgramInputs(TOutputKind kind) {
  std::vector<std::string> files;
  const std::string program = FolderOrNothing(&Folders::ProgramFolder);
  if (!program.empty()) {
    for (bool english : {true, false}) {
      for (bool nBased : {false, true})
        files.push_back(ReportTemplatePath(program, ReportTemplateName(english, nBased)));
    }
    if (kind == TOutputKind::Other) files.push_back(program + TWireCatalog::kFileName);
  }
  if (kind == TOutputKind::Catalogue) return files;
  const std::string data = FolderOrNothing(&Folders::SharedDataFolder);
  if (!data.empty()) files.push_back(data + TWireCatalog::kFileName);
  return files;
}

}  // namespace

void RefuseOutputOverInputs(const std::string& output, const std::vector<std::string>& inputs, TOutputKind kind) {
  std::vector<std::string> all = inputs;
  for (std::string& own : ProgramInputs(kind)) all.push_back(std::move(own));
  for (const std::string& input : all) {
    if (!input.empty() && SameFile(output, input))
      throw OrvError("The output file \"" + output + "\" is the input file \"" + input +
                     "\": nothing was written.");
  }
}

}  // namespace orv::cli
