#include <string>

#include "report_fixture.h"
#include "settings/localization.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;

namespace {

// The last sheet lists every support as its own sheet reports it, with
// headings in the report's language and the force in its units.
TEST_F(ReportTest, SummarySheetAfterTheSupportSheets) {
  const struct {
    int language, units;
    const char* name;
    const char* verticalHeading;
    double forceFactor;
    const char* hanging;
  } cases[] = {
      {0, 0, "Summary", "Vertical load at the lowest temperature (above 0: the wire presses down), daN", 1,
       "4 vibration dampers"},
      {1, 1, "Сводка", "Вертикальная нагрузка при низшей температуре (больше 0: провод давит вниз), кН", 0.01,
       "4 гасителя вибрации"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UseSettings(c.language, c.units);
    TProject project = ExampleProject(1);
    TPillar zeroAngle = ExampleSupport("2");
    zeroAngle.AlfaP = 0;
    TPillar noString = ExampleSupport("3");
    noString.InsulatorWeight = 0;
    noString.GroundThis = 90;
    project.Pillars.Add(zeroAngle);
    project.Pillars.Add(noString);
    TPillar stricterBallast = ExampleSupport("4");
    stricterBallast.AlfaBal = 8;  // not larger than the governing 10°
    project.Pillars.Add(stricterBallast);
    xls::XlsWorkbook book = ReportOf(project);
    ASSERT_EQ(book.SheetCount(), 5);
    xls::XlsSheet summary = book.Sheet(4);
    EXPECT_EQ(summary.Name(), c.name);
    EXPECT_EQ(summary.Cell(0, 8).Text(), c.verticalHeading);
    // Row 2: the worked example, as its own sheet shows it.
    EXPECT_EQ(summary.Cell(1, 0).Text(), project.Pillars.Items(0).SupportNumber);
    EXPECT_EQ(summary.Cell(1, 2).Number(), 200);
    EXPECT_EQ(summary.Cell(1, 4).Number(), NumberAt(book.Sheet(0), "H30"));
    EXPECT_EQ(summary.Cell(1, 5).Text(), c.hanging);
    EXPECT_EQ(summary.Cell(1, 6).Number(), NumberAt(book.Sheet(0), "H31"));
    EXPECT_NEAR(summary.Cell(1, 7).Number(), 200, 1e-9);
    EXPECT_NEAR(summary.Cell(1, 8).Number(), 29.6 * c.forceFactor, 1e-9);
    EXPECT_EQ(summary.Cell(1, 9).Text(), TextAt(book.Sheet(0), "B33"));
    // A stop at the angle check: its verdict, no numbers.
    EXPECT_EQ(summary.Cell(2, 4).Kind(), xls::XlsCellKind::Empty);
    EXPECT_EQ(summary.Cell(2, 8).Kind(), xls::XlsCellKind::Empty);
    EXPECT_EQ(summary.Cell(2, 9).Text(), TextAt(book.Sheet(1), "B33"));
    // Only the tearing check: the upward force, on one line.
    EXPECT_EQ(summary.Cell(3, 4).Kind(), xls::XlsCellKind::Empty);
    EXPECT_NEAR(summary.Cell(3, 8).Number(), -22 * c.forceFactor, 5e-4);
    EXPECT_EQ(summary.Cell(3, 9).Text().find('\r'), std::string::npos);
    // A warning on the data, in the last column; none where the data are sound.
    EXPECT_EQ(summary.Cell(4, 10).Text(), LocalText("Warn_ballast_angle"));
    EXPECT_EQ(summary.Cell(1, 10).Kind(), xls::XlsCellKind::Empty);
  }
}

}  // namespace
