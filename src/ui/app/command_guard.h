#pragma once

#include <functional>

namespace orv::ui {

// Runs one user command. An error that escapes it is the command's end, not
// the program's: it is shown as the default error report (the error's own
// message, stop icon, OK) through the messages port and the program goes on.
void RunGuarded(const std::function<void()>& command);

// Shows the default error report for an exception caught by the caller.
void ReportCurrentException();

}  // namespace orv::ui
