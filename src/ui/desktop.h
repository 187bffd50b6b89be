#pragma once

#include <string>

namespace orv::ui {

// Starts the desktop program and runs its event loop until the main window
// closes; `project`, when given, is opened once the main window is shown (a
// project started from Explorer or a shortcut).
int RunDesktop(int argc, char** argv, const std::string& project = {});

}  // namespace orv::ui
