#include "cli/output_guard.h"

#include "base/errors.h"
#include "base/file_identity.h"

using namespace orv::base;

namespace orv::cli {

void RefuseOutputOverInputs(const std::string& output, const std::vector<std::string>& inputs) {
  for (const std::string& input : inputs) {
    if (!input.empty() && SameFile(output, input))
      throw OrvError("The output file \"" + output + "\" is the input file \"" + input +
                     "\": nothing was written.");
  }
}

}  // namespace orv::cli
