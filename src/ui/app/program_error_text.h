#pragma once

#include <string>

namespace orv::ui {

// The last-resort message for an error that escapes the program's start-up,
// in the current language. The error's own text is deliberately left out.
std::string ProgramErrorText();

}  // namespace orv::ui
