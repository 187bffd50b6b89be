#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "project/report/make_report.h"
#include "project/catalogue/wire_catalog.h"
#include "report_fixture.h"

using namespace orv::project;

namespace {

TEST_F(ReportTest, OneSheetPerSupportNamedAfterItInListOrder) {
  const struct {
    int language;
    std::vector<std::string> names;
  } cases[] = {
      {0, {"Support №7", "Support №12а", "Support №3"}},
      {1, {"Опора №7", "Опора №12а", "Опора №3"}},
  };
  for (const auto& c : cases) {
    UseSettings(c.language, 0);
    TProject project = ExampleProject(0);
    for (const char* number : {"7", "12а", "3"}) project.Pillars.Add(ExampleSupport(number));
    xls::XlsWorkbook book = ReportOf(project);
    ASSERT_EQ(book.SheetCount(), 4);  // and the summary
    for (int s = 0; s < 3; ++s) {
      EXPECT_EQ(book.Sheet(s).Name(), c.names[s]);
      const std::string number = project.Pillars.Items(s).SupportNumber;
      EXPECT_EQ(TextAt(book.Sheet(s), "B13"), (c.language ? "Опора " : "Support ") + number);
    }
  }
}

TEST_F(ReportTest, EverySheetHasTheLayoutAndItsOwnCopyOfThePicture) {
  xls::XlsWorkbook book = ReportOf(ExampleProject(4));
  const double widths[] = {0.83, 24, 9.71, 8, 7.81, 7, 7, 7, 7, 7, 7, 10.5, 7, 7, 7, 7, 7, 8.43};
  std::set<int> drawingIds;
  for (int s = 0; s < 4; ++s) {  // the support sheets, not the summary
    xls::XlsSheet sheet = book.Sheet(s);
    for (int column = 0; column < 18; ++column) {
      EXPECT_NEAR(sheet.ColumnWidth(column), widths[column], 0.005) << "sheet " << s << " column " << column;
    }
    EXPECT_DOUBLE_EQ(sheet.RowHeight(14), 24.75) << "sheet " << s;
    EXPECT_GE(sheet.ShapeCount(), 1) << "sheet " << s;
    drawingIds.insert(book.DrawingInfo(s).drawing_id);
    // The labels come from the template on every copy.
    EXPECT_EQ(TextAt(sheet, "B4"), "Ice wall thickness, mm") << "sheet " << s;
  }
  EXPECT_EQ(drawingIds.size(), 4u);
  EXPECT_EQ(drawingIds.count(0), 0u);
  // One picture in the template, shared by the four sheets.
  EXPECT_EQ(book.PictureReferenceCounts(), std::vector<std::uint32_t>{4});
}

TEST_F(ReportTest, TemplateFollowsLanguageAndUnitsInForce) {
  const struct {
    int language;
    int units;
    const char* modulusLabel;
  } cases[] = {
      {0, 0, "Modulus of elasticity, daN/mm²"},
      {0, 1, "Modulus of elasticity, kN/mm²"},
      {1, 0, "Модуль упругости, даН/мм²"},
      {1, 1, "Модуль упругости, кН/мм²"},
  };
  for (const auto& c : cases) {
    UseSettings(c.language, c.units);
    // A stored setting changed behind the program's back must not split
    // labels from values.
    settings.values["Units"] = c.units ? "0" : "1";
    EXPECT_EQ(TextAt(ReportOf(ExampleProject(1)).Sheet(0), "G17"), c.modulusLabel);
  }
}

TEST_F(ReportTest, ProgressCountsTheSupports) {
  std::vector<std::pair<int, int>> calls;
  WriteReport(ExampleProject(3), OutputPath(), catalogue,
              [&](int support, int count) { calls.emplace_back(support, count); });
  EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
}

TEST_F(ReportTest, MakeReportOpensOnlyASavedReport) {
  TWiresList shared;
  shared.Add(ExampleWire());
  EXPECT_EQ(MakeReport(ExampleProject(2), shared, OutputPath()), ReportOutcome::Saved);
  EXPECT_EQ(shell.opened, std::vector<std::string>{OutputPath()});

  TProject missing = ExampleProject(2);
  missing.Pillars.Items(1).WireName = "АС 70/11";
  EXPECT_EQ(MakeReport(missing, shared, folder.File("other.xls")), ReportOutcome::Stopped);
  EXPECT_EQ(shell.opened.size(), 1u);
}

}  // namespace
