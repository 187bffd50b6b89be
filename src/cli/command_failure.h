#pragma once

#include <exception>
#include <functional>
#include <iosfwd>

namespace orv::cli {

// Runs a command's work and turns what it throws into the exit status:
// UsageError prints the message and the usage (status 2), any other error
// "error: " and its message (status 1). Otherwise the work's own status.
int RunReportingFailures(const std::function<int()>& work, std::ostream& err);

}  // namespace orv::cli
