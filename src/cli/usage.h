#pragma once

namespace orv::cli {

// The usage of the whole command line, printed by --help and after a usage
// error; ends with a line break.
const char* CommandLineUsage();

}  // namespace orv::cli
