// Reads arbitrary bytes as a project and draws what the picture commands
// draw: the profile of the line and the swing diagram of its first supports,
// as SVG in memory. Whatever the values, the drawing must end and the file
// must be well-formed XML; the refusals of the picture commands are checked
// too, but the drawing goes on past them, as a window draws.
#include <QGuiApplication>
#include <QPainter>
#include <QXmlStreamReader>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/errors.h"
#include "base/line_reader.h"
#include "diagrams/drawable_values.h"
#include "diagrams/picture_file.h"
#include "diagrams/profile_diagram.h"
#include "diagrams/swing_diagram.h"
#include "project/model/project.h"
#include "project/results/project_results.h"
#include "settings/localization.h"
#include "settings/texts/all_texts.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::diagrams;

namespace {

constexpr size_t kDiagramsPerInput = 3;

TWireRecord Wire(const char* name, double d, double area, double weight) {
  TWireRecord w;
  w.WireName = name;
  w.WireDiameter = d;
  w.WireArea = area;
  w.WireWeight = weight;
  w.WireModulus = 8250;
  w.WireExpansion = 1.92e-5;
  return w;
}

const TWiresList& Catalogue() {
  static const TWiresList catalogue = [] {
    TWiresList list;
    list.Add(Wire("АС 150/24", 17.1, 173.2, 0.599));
    list.Add(Wire("АС 120/19", 15.2, 136.8, 0.471));
    list.Add(Wire("AC 70/11", 11.4, 79.3, 0.276));
    return list;
  }();
  return catalogue;
}

void StartOnce() {
  static bool started = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_pictures";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // lives as long as the process
    RegisterAllTexts();
    SetLanguageForSession(1);
    return true;
  }();
  (void)started;
}

void CheckWellFormed(const std::string& svg) {
  QXmlStreamReader reader(QByteArray::fromRawData(svg.data(), static_cast<qsizetype>(svg.size())));
  while (!reader.atEnd()) reader.readNext();
  if (reader.hasError()) std::abort();
}

void DrawSvg(QSize size, const TPictureDrawing& draw, const std::string& title) {
  CheckWellFormed(RenderPicture(TPictureFormat::Svg, size, draw, title));
}

void DrawDiagrams(const TProject& project, const std::vector<TSupportOutcome>& outcomes) {
  for (size_t i = 0; i < outcomes.size() && i < kDiagramsPerInput; ++i) {
    const TPillar& support = project.Pillars.Items(static_cast<int>(i));
    std::optional<TSwingDiagram> diagram = SwingDiagramOf(outcomes[i]);
    if (!diagram) continue;
    try {
      CheckSwingDiagramDrawable(*diagram);
    } catch (const OrvError&) {
    }
    DrawSvg(
        SwingDiagramSize(), [&](QPainter& p, const QRectF& r) { DrawSwingDiagram(p, r, *diagram); },
        support.SupportNumber);
  }
}

}  // namespace

// The system's font library keeps caches it fills as glyphs are first asked
// for, and never frees: not ours to report.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\nleak:libfreetype\n"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StartOnce();
  TProject project;
  TextLineReader file(std::string(reinterpret_cast<const char*>(data), size));
  try {
    project.LoadFromText(file);
  } catch (const OrvError&) {
    return 0;
  }
  const std::vector<TSupportOutcome> outcomes = CalculateProjectSupports(project, Catalogue());
  const TProfile profile = MakeProfile(project, outcomes);
  try {
    CheckProfileDrawable(profile);
  } catch (const OrvError&) {
  }
  DrawSvg(
      ProfileSize(profile), [&](QPainter& p, const QRectF& r) { DrawProfile(p, r, profile); }, "");
  DrawDiagrams(project, outcomes);
  return 0;
}
