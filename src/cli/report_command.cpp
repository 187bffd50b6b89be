#include "cli/report_command.h"

#include <iostream>

#include "base/errors.h"
#include "cli/command_failure.h"
#include "cli/command_inputs.h"
#include "cli/command_line_session.h"
#include "project/report/make_report.h"
#include "settings/ports/ports.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::project;

namespace orv::cli {

namespace {

int Report(const std::vector<std::string>& args) {
  const CliOptions options =
      ParseCliOptions(args, kOptionCatalog | kOptionLang | kOptionUnits | kOptionOpen | kOptionOutput);
  if (options.arguments.size() != 1) throw UsageError("report needs exactly one project file");
  if (!options.output) throw UsageError("report needs -o OUT.xls");
  CommandLineSession session(options);
  const TCommandInputs inputs(options, options.output);
  int supportsWithoutResult = 0;
  switch (WriteReport(inputs.Project(), *options.output, inputs.Catalogue(), {},
                      TReportOrigin{inputs.ProjectPath(), {}}, &supportsWithoutResult)) {
    case ReportOutcome::Saved:
      break;
    case ReportOutcome::Stopped:
      return 1;  // the reason is already on stderr
    case ReportOutcome::NoSupports:
      // The desktop program silently writes nothing; a script must learn
      // that no file was made.
      throw OrvError("The project has no supports: no report was written.");
  }
  if (options.open) GetShell().OpenDocument(*options.output);
  // As calc: the report is written, but a script must learn that some
  // support gave no result (the reason is already on stderr).
  return supportsWithoutResult > 0 ? 1 : 0;
}

}  // namespace

int RunReportCommand(const std::vector<std::string>& args) {
  return RunReportingFailures([&] { return Report(args); }, std::cerr);
}

}  // namespace orv::cli
