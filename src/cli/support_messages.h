#pragma once

#include <vector>

#include "cli/command_line_messages.h"
#include "project/results/project_results.h"

namespace orv::cli {

// The boxes each support's calculation showed, and the error that ended it,
// as the command line prints boxes: one line each on stderr, after the
// support's position and number.
void PrintSupportMessages(const std::vector<project::TSupportOutcome>& supports, CommandLineMessages& messages);

// The exit status of every command that calculates supports: 1 when one of
// them gave no result (an error, "Data error", a stop by the checks), even
// though the output was written; else 0.
int SupportsStatus(const std::vector<project::TSupportOutcome>& supports);

}  // namespace orv::cli
