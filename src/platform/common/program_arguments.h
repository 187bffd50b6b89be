#pragma once

#include <string>
#include <vector>

namespace orv::platform {

// The program's arguments in UTF-8, the program's name first. On Windows
// `argv` holds them in the ANSI code page, which loses every character
// outside it (Cyrillic on an English system), so they are taken from the
// system's UTF-16 command line instead.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace orv::platform
