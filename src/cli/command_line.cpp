#include "cli/command_line.h"

#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "cli/calc_command.h"
#include "cli/catalog_command.h"
#include "cli/climate_command.h"
#include "cli/report_command.h"
#include "cli/usage.h"

namespace orv::cli {

namespace {

constexpr const char* kVersion = "orvane 1.8";

int WrongUsage(const std::string& message) {
  std::cerr << "orvane: " << message << "\n" << CommandLineUsage();
  return 2;
}

// "--help" anywhere before "--" asks for the usage, whatever else is given.
bool AsksForHelp(const std::vector<std::string>& words) {
  for (const std::string& word : words) {
    if (word == "--") return false;
    if (word == "--help" || word == "-h") return true;
  }
  return false;
}

// The commands the executable added beyond the core's own.
std::map<std::string, CommandLineCommand>& AddedCommands() {
  static std::map<std::string, CommandLineCommand> commands;
  return commands;
}

}  // namespace

void AddCommandLineCommand(const std::string& name, CommandLineCommand run) { AddedCommands()[name] = run; }

int RunCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.size() < 2) return WrongUsage("no command given");
  const std::string& command = arguments[1];
  const std::vector<std::string> args(arguments.begin() + 2, arguments.end());
  if (AsksForHelp(std::vector<std::string>(arguments.begin() + 1, arguments.end()))) {
    std::cout << CommandLineUsage();
    return 0;
  }
  if (command == "--version") {
    std::cout << kVersion << "\n";
    return 0;
  }
  if (command == "calc") return RunCalcCommand(args);
  if (command == "climate") return RunClimateCommand(args);
  if (command == "catalog") return RunCatalogCommand(args);
  if (command == "report") return RunReportCommand(args);
  if (const auto added = AddedCommands().find(command); added != AddedCommands().end()) {
    return added->second(args);
  }
  if (command == "diagram" || command == "profile") {
    std::cerr << "orvane: " << command << " draws with Qt, which this build of orvane does not have\n";
    return 1;
  }
  return WrongUsage("unknown command '" + command + "'");
}

}  // namespace orv::cli
