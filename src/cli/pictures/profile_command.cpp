#include "cli/pictures/profile_command.h"

#include <QPainter>
#include <iostream>

#include "base/errors.h"
#include "cli/command_failure.h"
#include "cli/command_inputs.h"
#include "cli/command_line_session.h"
#include "cli/pictures/picture_output.h"
#include "cli/support_messages.h"
#include "diagrams/drawable_values.h"
#include "diagrams/profile_diagram.h"
#include "project/results/project_results.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::project;
using namespace orv::diagrams;

namespace orv::cli {

namespace {

int Profile(const std::vector<std::string>& args) {
  const CliOptions options =
      ParseCliOptions(args, kOptionCatalog | kOptionLang | kOptionUnits | kOptionOutput);
  if (options.arguments.size() != 1) throw UsageError("profile needs exactly one project file");
  if (!options.output) throw UsageError("profile needs -o OUT.png or -o OUT.svg");
  RequirePictureOutput(*options.output);
  CommandLineSession session(options);
  const TCommandInputs inputs(options, options.output);
  const TProject& project = inputs.Project();
  if (project.Pillars.Count() == 0) throw OrvError("The project has no supports: no profile was written.");
  const std::vector<TSupportOutcome> supports = CalculateProjectSupports(project, inputs.Catalogue());
  PrintSupportMessages(supports, session.Messages());
  const TProfile profile = MakeProfile(project, supports);
  CheckProfileDrawable(profile);
  WritePictureFile(
      *options.output, ProfileSize(profile),
      [&](QPainter& painter, const QRectF& rect) { DrawProfile(painter, rect, profile); },
      LocalText("Diagram_profile_title"));
  // The profile is drawn all the same; a script learns that a support in it
  // has no result, as from calc and report.
  return SupportsStatus(supports);
}

}  // namespace

int RunProfileCommand(const std::vector<std::string>& args) {
  return RunReportingFailures([&] { return Profile(args); }, std::cerr);
}

}  // namespace orv::cli
