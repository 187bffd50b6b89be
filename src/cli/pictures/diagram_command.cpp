#include "cli/pictures/diagram_command.h"

#include <QPainter>
#include <iostream>

#include "base/errors.h"
#include "base/text_excerpt.h"
#include "cli/command_failure.h"
#include "cli/command_inputs.h"
#include "cli/command_line_session.h"
#include "cli/pictures/picture_output.h"
#include "diagrams/drawable_values.h"
#include "diagrams/swing_diagram.h"
#include "diagrams/swing_diagram_data.h"
#include "project/results/project_results.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::project;
using namespace orv::diagrams;

namespace orv::cli {

namespace {

int FindSupport(const TProject& project, const std::string& number) {
  for (int i = 0; i < project.Pillars.Count(); ++i) {
    if (project.Pillars.Items(i).SupportNumber == number) return i;
  }
  throw OrvError("The project has no support numbered \"" + number + "\": no diagram was written.");
}

// The diagram of the support, or an error saying why there is none. The
// calculation's boxes are printed as the messages port prints them.
TSwingDiagram DiagramOrRefusal(const TSupportOutcome& outcome) {
  const std::string name = "Support \"" + TextExcerpt(outcome.Number) + "\"";
  if (outcome.WireMissing)
    throw OrvError(name + ": \"" + TextExcerpt(outcome.Wire) + "\": " + LocalText("Input_wire") +
                   " No diagram was written.");
  for (const TLocalMessage& message : outcome.Messages)
    GetMessages().Show(message.Kind, MessageText(message), message.Buttons);
  if (outcome.Error) throw FloatingPointError(*ErrorText(outcome));
  if (outcome.Failed()) throw OrvError(name + ": the calculation gave no result: no diagram was written.");
  std::optional<TSwingDiagram> diagram = SwingDiagramOf(outcome);
  if (!diagram)
    throw OrvError(name + " has no insulator string, so there is no swing to draw: no diagram was written.");
  return *diagram;
}

int Diagram(const std::vector<std::string>& args) {
  const CliOptions options =
      ParseCliOptions(args, kOptionCatalog | kOptionLang | kOptionUnits | kOptionOutput | kOptionSupport);
  if (options.arguments.size() != 1) throw UsageError("diagram needs exactly one project file");
  if (!options.support) throw UsageError("diagram needs --support NUMBER");
  if (!options.output) throw UsageError("diagram needs -o OUT.png or -o OUT.svg");
  RequirePictureOutput(*options.output);
  CommandLineSession session(options);
  const TCommandInputs inputs(options, options.output);
  const TProject& project = inputs.Project();
  const TSwingDiagram diagram = DiagramOrRefusal(
      CalculateProjectSupport(project, FindSupport(project, *options.support), inputs.Catalogue()));
  CheckSwingDiagramDrawable(diagram);
  WritePictureFile(
      *options.output, SwingDiagramSize(),
      [&](QPainter& painter, const QRectF& rect) { DrawSwingDiagram(painter, rect, diagram); },
      LocalText("Diagram_swing_title") + " " + diagram.SupportNumber);
  return 0;
}

}  // namespace

int RunDiagramCommand(const std::vector<std::string>& args) {
  return RunReportingFailures([&] { return Diagram(args); }, std::cerr);
}

}  // namespace orv::cli
