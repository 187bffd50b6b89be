#pragma once

#include <string>
#include <vector>

namespace orv::cli {

// `orvane profile PROJECT.orv -o OUT.png|OUT.svg [--catalog FILE]
// [--lang en|ru] [--units daN|N]`: the line profile with every support
// marked by its verdict; a support whose calculation fails is drawn as a
// data error. Returns 0 done, 1 when the project or a file made it
// impossible, 2 wrong usage.
int RunProfileCommand(const std::vector<std::string>& args);

}  // namespace orv::cli
