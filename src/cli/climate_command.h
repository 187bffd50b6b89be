#pragma once

#include <string>
#include <vector>

namespace orv::cli {

// `orvane climate PROJECT.orv --from FILE.dtr -o OUT.orv`: the project with
// the climatic conditions and coefficients of the Dastrel project, written to
// OUT.orv (which may be PROJECT.orv itself). `args` are the words after
// "climate". Returns 0 done, 1 a file could not be read or written, 2 wrong
// usage.
int RunClimateCommand(const std::vector<std::string>& args);

}  // namespace orv::cli
