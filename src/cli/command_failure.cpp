#include "cli/command_failure.h"

#include <ostream>

#include "cli/cli_options.h"
#include "cli/command_line_messages.h"
#include "cli/usage.h"

using namespace orv::settings;

namespace orv::cli {

int RunReportingFailures(const std::function<int()>& work, std::ostream& err) {
  try {
    return work();
  } catch (const UsageError& error) {
    err << "orvane: " << error.what() << "\n" << CommandLineUsage();
    return 2;
  } catch (const std::exception& error) {
    err << MessageLine(MessageKind::Error, error.what()) << "\n";
    return 1;
  }
}

}  // namespace orv::cli
