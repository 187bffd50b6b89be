#pragma once

#include <vector>

#include "cli/command_line_messages.h"
#include "project/project_results.h"

namespace orv::cli {

// The boxes each support's calculation showed, and the error that ended it,
// as the command line prints boxes: one line each on stderr, after the
// support's position and number.
void PrintSupportMessages(const std::vector<project::TSupportOutcome>& supports, CommandLineMessages& messages);

}  // namespace orv::cli
