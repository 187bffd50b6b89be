#include "cli/pictures/diagram_command.h"

#include <QPainter>
#include <iostream>

#include "base/errors.h"
#include "base/text_excerpt.h"
#include "calc/calculate_support.h"
#include "cli/command_failure.h"
#include "cli/command_inputs.h"
#include "cli/command_line_session.h"
#include "cli/pictures/picture_output.h"
#include "diagrams/drawable_values.h"
#include "diagrams/swing_diagram.h"
#include "settings/localization.h"

namespace {

const TPillar& FindSupport(const TProject& project, const std::string& number) {
  for (int i = 0; i < project.Pillars.Count(); ++i) {
    if (project.Pillars.Items(i).SupportNumber == number) return project.Pillars.Items(i);
  }
  throw OrvError("The project has no support numbered \"" + number + "\": no diagram was written.");
}

// The diagram of the support, or an error saying why there is none.
TSwingDiagram DiagramOf(const TProject& project, const TPillar& support, const TWiresList& catalogue) {
  const std::string name = "Support \"" + TextExcerpt(support.SupportNumber) + "\"";
  if (catalogue.IndexOf(support.WireName) < 0)
    throw OrvError(name + ": \"" + TextExcerpt(support.WireName) + "\": " + LocalText("Input_wire") +
                   " No diagram was written.");
  const TWireRecord& wire = catalogue.FindByName(support.WireName);
  TSupportExplanation explanation;
  TSupportResults results = CalculateSupport(support, wire, project.Klimat, project.KlimatKoef, &explanation);
  if (!results.VerdictKey || *results.VerdictKey == "Data_error")
    throw OrvError(name + ": the calculation gave no result: no diagram was written.");
  std::optional<TSwingDiagram> diagram = SwingDiagramOf(support, wire, results, explanation);
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
  const TSwingDiagram diagram =
      DiagramOf(project, FindSupport(project, *options.support), inputs.Catalogue());
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
