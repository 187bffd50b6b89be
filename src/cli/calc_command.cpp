#include "cli/calc_command.h"

#include <algorithm>
#include <iostream>

#include "cli/calc_csv.h"
#include "cli/calc_explain.h"
#include "cli/calc_json.h"
#include "cli/calc_table.h"
#include "cli/command_failure.h"
#include "cli/command_inputs.h"
#include "cli/command_line_session.h"
#include "cli/support_messages.h"
#include "project/project_results.h"
#include "settings/localization.h"

namespace {

std::string Output(const CliOptions& options, const std::string& projectPath,
                   const std::vector<TSupportOutcome>& supports) {
  const std::string format = options.format.value_or("text");
  if (format == "json") return CalcJson(projectPath, IsEnglish() ? "en" : "ru", supports, options.explain);
  if (format == "csv") return CalcCsv(supports);
  return CalcTable(supports) + (options.explain ? ExplainText(supports) : std::string());
}

int Calculate(const std::vector<std::string>& args) {
  const CliOptions options =
      ParseCliOptions(args, kOptionCatalog | kOptionLang | kOptionUnits | kOptionFormat | kOptionExplain);
  if (options.arguments.size() != 1) throw UsageError("calc needs exactly one project file");
  if (options.explain && options.format == "csv")
    throw UsageError("--explain goes with --format text or json");
  CommandLineSession session(options);
  const TCommandInputs inputs(options, std::nullopt);
  const std::vector<TSupportOutcome> supports =
      CalculateProjectSupports(inputs.Project(), inputs.Catalogue());
  PrintSupportMessages(supports, session.Messages());
  std::cout << Output(options, inputs.ProjectPath(), supports);
  std::cout.flush();
  const bool anyFailed = std::any_of(supports.begin(), supports.end(),
                                     [](const TSupportOutcome& entry) { return entry.Failed(); });
  return anyFailed ? 1 : 0;
}

}  // namespace

int RunCalcCommand(const std::vector<std::string>& args) {
  return RunReportingFailures([&] { return Calculate(args); }, std::cerr);
}
