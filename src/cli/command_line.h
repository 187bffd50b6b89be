#pragma once

#include <string>
#include <vector>

namespace orv::cli {

// Runs `orvane COMMAND ...`; returns the process exit status
// (0 done, 1 the data or a file made the job impossible, 2 wrong usage).
// The arguments are UTF-8, the program's name first. The ports the commands
// use beyond the messages (settings store, system language, shell, folders)
// are the ones installed when it is called.
int RunCommandLine(const std::vector<std::string>& arguments);

// A command beyond the core's: the pictures (diagram, profile) draw with Qt,
// so the executable that has Qt adds them before running the command line.
using CommandLineCommand = int (*)(const std::vector<std::string>& args);
void AddCommandLineCommand(const std::string& name, CommandLineCommand run);

}  // namespace orv::cli
