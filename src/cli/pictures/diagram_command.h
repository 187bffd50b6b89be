#pragma once

#include <string>
#include <vector>

namespace orv::cli {

// `orvane diagram PROJECT.orv --support NUMBER -o OUT.png|OUT.svg
// [--catalog FILE] [--lang en|ru] [--units daN|N]`: the swing diagram of the
// first support with that number. Returns 0 done, 1 when the support is
// missing, its calculation failed or it has no swing check (nothing is
// written), 2 wrong usage.
int RunDiagramCommand(const std::vector<std::string>& args);

}  // namespace orv::cli
