#pragma once

#include <string>

namespace orv::platform {

// The folder of the running executable in UTF-8, without a trailing
// separator; the current folder when the system does not tell.
std::string ExecutableFolder();

}  // namespace orv::platform
