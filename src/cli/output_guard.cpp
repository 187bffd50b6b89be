#include "cli/output_guard.h"

#include "base/errors.h"
#include "base/file_identity.h"
#include "project/file/program_files.h"

using namespace orv::base;
using namespace orv::project;

namespace orv::cli {

// A catalogue may be written over a catalogue: the build makes the shipped
// one that way, and an import may replace the desktop's on purpose.
void RefuseOutputOverInputs(const std::string& output, const std::vector<std::string>& inputs, TOutputKind kind) {
  std::vector<std::string> all = inputs;
  for (std::string& own : ProgramOwnFiles(kind == TOutputKind::Other)) all.push_back(std::move(own));
  for (const std::string& input : all) {
    if (!input.empty() && SameFile(output, input))
      throw OrvError("The output file \"" + output + "\" is the input file \"" + input +
                     "\": nothing was written.");
  }
}

}  // namespace orv::cli
