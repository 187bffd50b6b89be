#include "project/report/make_report.h"
#include "project/report/report_sheet_name.h"
#include "report_fixture.h"

using namespace orv::project;

namespace {

TEST_F(ReportTest, SheetNamesKeepTheNumberWhereASheetNameCan) {
  const struct {
    const char* number;
    const char* sheet;
  } cases[] = {
      {"12", "Support №12"}, {"12/1", "Support №12_1"}, {"[5]*", "Support №_5__"}, {"a:b?", "Support №a_b_"},
      {"7'", "Support №7_"}, {"7'a", "Support №7'a"},   {"1\\2", "Support №1_2"},  {"", "Support №"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReportSheetName(c.number), c.sheet) << c.number;
}

TEST_F(ReportTest, ASupportNumberNoSheetNameCanHoldStillGetsItsSheet) {
  TProject project = ExampleProject(0);
  project.Pillars.Add(ExampleSupport("12/1"));
  project.Pillars.Add(ExampleSupport("12'"));
  xls::XlsWorkbook book = ReportOf(project);
  ASSERT_EQ(book.SheetCount(), 3);  // and the summary
  EXPECT_EQ(book.Sheet(0).Name(), "Support №12_1");
  EXPECT_EQ(TextAt(book.Sheet(0), "B13"), "Support 12/1");
  EXPECT_EQ(book.Sheet(1).Name(), "Support №12_");
  EXPECT_EQ(TextAt(book.Sheet(1), "B13"), "Support 12'");
}

}  // namespace
