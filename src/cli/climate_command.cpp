#include "cli/climate_command.h"

#include <iostream>

#include "cli/command_failure.h"
#include "cli/command_line_session.h"
#include "cli/output_guard.h"
#include "project/file/dastrel_import.h"
#include "project/file/project_file.h"

using namespace orv::project;

namespace orv::cli {

namespace {

int TakeOverClimate(const std::vector<std::string>& args) {
  const CliOptions options = ParseCliOptions(args, kOptionFrom | kOptionOutput);
  if (options.arguments.size() != 1) throw UsageError("climate needs exactly one project file");
  if (!options.from) throw UsageError("climate needs --from FILE.dtr");
  if (!options.output) throw UsageError("climate needs -o OUT.orv");
  CommandLineSession session(options);
  // As every command, it writes over none of its inputs: a mistyped -o must
  // not replace the project that was read.
  RefuseOutputOverInputs(*options.output, {options.arguments[0], *options.from});
  TProject project;
  LoadProjectFile(options.arguments[0], project);
  ImportDastrelClimate(project, *options.from);
  SaveProjectFile(*options.output, project);
  return 0;
}

}  // namespace

int RunClimateCommand(const std::vector<std::string>& args) {
  return RunReportingFailures([&] { return TakeOverClimate(args); }, std::cerr);
}

}  // namespace orv::cli
