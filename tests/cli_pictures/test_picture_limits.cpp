#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QXmlStreamReader>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "base/errors.h"
#include "cli/cli_test_support.h"
#include "cli/pictures/picture_commands.h"
#include "diagrams/picture_file.h"
#include "diagrams/profile_diagram.h"
#include "diagrams/swing_diagram.h"
#include "settings/localization.h"
#include "settings/texts/all_texts.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::diagrams;
using namespace orv::cli;

namespace {

const bool kPictureCommandsAdded = (AddPictureCommands(), true);

// The <title> of a well-formed SVG; fails the test when the file is no XML.
std::string SvgTitle(const std::string& svg) {
  QXmlStreamReader reader(QByteArray::fromStdString(svg));
  std::string title;
  while (!reader.atEnd()) {
    if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"title")
      title = reader.readElementText().toStdString();
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  return title;
}

class PictureLimits : public testing::Test {
 protected:
  // Qt's own setters: the C library's setenv is not there on Windows.
  void SetUp() override { qputenv("QT_QPA_PLATFORM", "offscreen"); }
  void TearDown() override { qunsetenv("QT_QPA_PLATFORM"); }

  std::string Project(const std::function<void(TPillar&)>& change, int count = 3) {
    TProject project;
    project.Klimat.AssignFrom(WorkedExampleKlimat());
    for (int i = 0; i < count; ++i) {
      TPillar support = WorkedExampleSupport(std::to_string(i + 1), kWorkedExampleWireName);
      change(support);
      project.Pillars.Add(support);
    }
    return WriteProject(folder_, "Line.orv", project);
  }
  CommandRun Run(const std::string& command, const std::string& project, const std::string& output,
                 const std::string& support = "1") {
    std::vector<std::string> words{command, project, "--catalog", catalogue_, "--lang", "en", "-o", output};
    if (command == "diagram") words.insert(words.end(), {"--support", support});
    return RunOrvane(words);
  }

  CliTempFolder folder_;
  const std::string catalogue_ = WriteCatalogue(folder_, "wires.dat", {ExampleWire()});
};

// Every text reaches the SVG escaped, and characters XML refuses are
// replaced: the title reads back as the support was named.
TEST_F(PictureLimits, SupportNumbersOfAnyTextGiveWellFormedSvg) {
#ifndef ORVANE_SVG
  GTEST_SKIP() << "this build writes no SVG";
#endif
  const std::pair<const char*, const char*> numbers[] = {
      {"1&2", "1&2"}, {"<x/>", "<x/>"}, {"1\x01\x02", "1\xEF\xBF\xBD\xEF\xBF\xBD"}};
  for (const auto& [number, shown] : numbers) {
    SCOPED_TRACE(number);
    const std::string project = Project([&](TPillar& p) { p.SupportNumber = number; }, 1);
    const std::string diagram = folder_.File("d.svg"), profile = folder_.File("p.svg");
    ASSERT_EQ(Run("diagram", project, diagram, number).status, 0);
    EXPECT_EQ(SvgTitle(CliReadBytes(diagram)),
              std::string("Swing of the supporting string, support ") + shown);
    ASSERT_EQ(Run("profile", project, profile).status, 0);
    EXPECT_EQ(SvgTitle(CliReadBytes(profile)), "Line profile");
  }
}

struct Refusal {
  const char* name;
  const char* command;
  std::function<void(TPillar&)> change;
  int count;
  const char* message;
};

// Values a file cannot show are refused with the limit named, status 1 and
// no file; a long line is drawn scaled to fit, counted in km.
TEST_F(PictureLimits, ValuesBeyondWhatAFileShowsAreRefusedNamingTheLimit) {
  const Refusal refusals[] = {
      {"ground 1e17", "profile", [](TPillar& p) { p.GroundLeft = p.GroundThis = p.GroundRight = 1e17; }, 3,
       "the level 1E17 m cannot be drawn: a profile draws levels from -1000000 to 1000000 m"},
      {"ground 1e308", "profile", [](TPillar& p) { p.GroundThis = 1e308; }, 3, "the level 1E308 m"},
      {"span 1e300", "profile", [](TPillar& p) { p.SpanRight = 1e300; }, 3, "beyond the 100000000 m"},
      {"10001 supports", "profile", [](TPillar&) {}, 10001,
       "A profile draws at most 10000 supports, the project has 10001"},
      {"string 1.7e308", "diagram", [](TPillar& p) { p.InsulatorWeight = 1.7e308; }, 1,
       "the calculation gave no result"},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.name);
    const std::string output = folder_.File("out.png");
    const CommandRun run = Run(r.command, Project(r.change, r.count), output);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(r.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(output));
  }
#ifdef ORVANE_SVG
  const std::string longLine = folder_.File("long.svg");
  ASSERT_EQ(Run("profile", Project([](TPillar&) {}, 60), longLine).status, 0);
  EXPECT_NE(CliReadBytes(longLine).find("Distance along the line, km"), std::string::npos);
#endif
  TProfile wide;
  wide.Supports.resize(3000);
  EXPECT_EQ(ProfileSize(wide).width(), kWidestProfile);
}

// What a window draws is not checked first: whatever the values, the drawing
// ends with finite coordinates, and a picture too large to be made is an
// error, not an abort.
TEST_F(PictureLimits, DrawingEndsWhateverTheValues) {
#ifndef ORVANE_SVG
  GTEST_SKIP() << "this build writes no SVG, where the coordinates are read back";
#endif
  int argc = 1;
  char name[] = "test";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  RegisterAllTexts();
  SetLanguageForSession(0);
  // Levels too close for their magnitude, and levels and spans at the ends of double.
  TProfile narrow, extreme;
  for (int i = 0; i < 3; ++i) {
    TProfileSupport s;
    s.GroundLeft = s.GroundThis = s.GroundRight = 1e17;
    s.Position = i * 100;
    narrow.Supports.push_back(s);
    s.GroundThis = i == 1 ? -1e308 : 1e308;
    s.SpanLeft = s.SpanRight = 1e300;
    s.Position = i * 1e300;
    extreme.Supports.push_back(s);
  }
  TSwingDiagram diagram;
  diagram.Cases[0].Balance.StringVertical = 1.7e308;
  diagram.Cases[1].WeightSpan = 1e300;
  diagram.Cases[0].MinWeightSpan = -1.4e308;
  const std::pair<QSize, TPictureDrawing> pictures[] = {
      {ProfileSize(narrow), [&](QPainter& p, const QRectF& r) { DrawProfile(p, r, narrow); }},
      {ProfileSize(extreme), [&](QPainter& p, const QRectF& r) { DrawProfile(p, r, extreme); }},
      {SwingDiagramSize(), [&](QPainter& p, const QRectF& r) { DrawSwingDiagram(p, r, diagram); }}};
  for (const auto& [size, draw] : pictures) {
    const std::string svg = RenderPicture(TPictureFormat::Svg, size, draw);
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("inf"), std::string::npos);
  }
  try {
    RenderPicture(TPictureFormat::Png, QSize(100000000, 1), pictures[0].second);
    ADD_FAILURE() << "no error";
  } catch (const OrvError& error) {
    EXPECT_NE(std::string(error.what()).find("100000000 × 1 pixels"), std::string::npos) << error.what();
  }
}

}  // namespace
