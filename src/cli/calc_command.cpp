#include "cli/calc_command.h"

#include <iostream>

#include "cli/calc_csv.h"
#include "cli/calc_explain.h"
#include "cli/calc_json.h"
#include "cli/calc_table.h"
#include "cli/command_failure.h"
#include "cli/command_inputs.h"
#include "cli/command_line_session.h"
#include "cli/standard_output.h"
#include "cli/support_messages.h"
#include "project/results/project_results.h"
#include "settings/localization.h"

using namespace orv::settings;
using namespace orv::project;

namespace orv::cli {

namespace {

std::string Output(const CliOptions& options, const std::string& projectPath,
                   const std::vector<TSupportOutcome>& supports) {
  const std::string format = options.format.value_or("text");
  if (format == "json") return CalcJson(projectPath, IsEnglish() ? "en" : "ru", supports, options.explain);
  if (format == "csv") return CalcCsv(supports, !options.noBom);
  return CalcTable(supports) + (options.explain ? ExplainText(supports) : std::string());
}

int Calculate(const std::vector<std::string>& args) {
  const CliOptions options =
      ParseCliOptions(args, kOptionCatalog | kOptionLang | kOptionUnits | kOptionFormat | kOptionExplain |
                                kOptionNoBom);
  if (options.arguments.size() != 1) throw UsageError("calc needs exactly one project file");
  if (options.explain && options.format == "csv")
    throw UsageError("--explain goes with --format text or json");
  if (options.noBom && options.format != "csv") throw UsageError("--no-bom goes with --format csv");
  CommandLineSession session(options);
  const TCommandInputs inputs(options, std::nullopt);
  const std::vector<TSupportOutcome> supports =
      CalculateProjectSupports(inputs.Project(), inputs.Catalogue());
  PrintSupportMessages(supports, session.Messages());
  WriteStandardOutput(Output(options, inputs.ProjectPath(), supports));
  return SupportsStatus(supports);
}

}  // namespace

int RunCalcCommand(const std::vector<std::string>& args) {
  return RunReportingFailures([&] { return Calculate(args); }, std::cerr);
}

}  // namespace orv::cli
