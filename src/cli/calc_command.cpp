#include "cli/calc_command.h"

#include <algorithm>
#include <iostream>

#include "cli/calc_json.h"
#include "cli/calc_table.h"
#include "cli/command_failure.h"
#include "cli/command_line_catalogue.h"
#include "cli/command_line_session.h"
#include "cli/support_calculation.h"
#include "project/project_file.h"
#include "settings/localization.h"

namespace {

int Calculate(const std::vector<std::string>& args) {
  const CliOptions options = ParseCliOptions(args, kOptionCatalog | kOptionLang | kOptionFormat);
  if (options.arguments.size() != 1) throw UsageError("calc needs exactly one project file");
  const std::string& projectPath = options.arguments[0];
  CommandLineSession session(options);
  TProject project;
  LoadProjectFile(projectPath, project);
  TWiresList fromFile;
  const TWiresList& catalogue = LoadCommandLineCatalogue(options, fromFile);
  const std::vector<SupportCalculation> supports = CalculateSupports(project, catalogue, session.Messages());
  if (options.format.value_or("text") == "json") {
    std::cout << CalcJson(projectPath, IsEnglish() ? "en" : "ru", supports);
  } else {
    std::cout << CalcTable(supports);
  }
  std::cout.flush();
  const bool anyFailed = std::any_of(supports.begin(), supports.end(),
                                     [](const SupportCalculation& entry) { return entry.Failed(); });
  return anyFailed ? 1 : 0;
}

}  // namespace

int RunCalcCommand(const std::vector<std::string>& args) {
  return RunReportingFailures([&] { return Calculate(args); }, std::cerr);
}
