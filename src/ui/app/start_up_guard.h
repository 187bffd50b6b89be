#pragma once

#include <functional>

namespace orv::ui {

// Runs the program's start-up and message loop. An error that escapes them
// is not the user's to read: the last-resort message of the current language
// is shown instead (plain box, OK) and the program ends with status 1.
int RunStartUpGuarded(const std::function<int()>& program);

}  // namespace orv::ui
