#include "xls_test_support.h"

namespace xls {

namespace {

struct RunCase {
  std::string file;
  int row;
  int first_column;
  int last_column;
  int changed_column;
};

class CellRuns : public ::testing::TestWithParam<RunCase> {};

// Setting one cell inside a run of numbers (MULRK) or blanks (MULBLANK)
// splits the run: the cell keeps its format, its neighbours their values and
// formats.
TEST_P(CellRuns, SettingOneCellKeepsTheOthers) {
  const RunCase& c = GetParam();
  XlsWorkbook book = OpenData(c.file);
  struct Before {
    XlsCellKind kind;
    double number;
    int format;
  };
  std::vector<Before> before;
  for (int column = c.first_column; column <= c.last_column; ++column) {
    XlsCell cell = book.Sheet(0).Cell(c.row, column);
    before.push_back({cell.Kind(), cell.Number(), cell.FormatIndex()});
  }
  book.Sheet(0).Cell(c.row, c.changed_column).SetNumber(99.5);
  XlsWorkbook read = Reopened(book);
  for (int column = c.first_column; column <= c.last_column; ++column) {
    XlsCell cell = read.Sheet(0).Cell(c.row, column);
    const Before& old = before[column - c.first_column];
    EXPECT_EQ(cell.FormatIndex(), old.format) << "column " << column;
    if (column == c.changed_column) {
      EXPECT_EQ(cell.Number(), 99.5);
      continue;
    }
    EXPECT_EQ(cell.Kind(), old.kind) << "column " << column;
    EXPECT_EQ(cell.Number(), old.number) << "column " << column;
  }
}

INSTANTIATE_TEST_SUITE_P(Runs, CellRuns,
                         ::testing::Values(RunCase{"libreoffice_template.xls", 13, 1, 4, 2},  // numbers
                                           RunCase{"libreoffice_template.xls", 13, 1, 4, 4},
                                           RunCase{"libreoffice_template.xls", 0, 1, 5,
                                                   3},  // blanks of a merge
                                           RunCase{"libreoffice_template.xls", 13, 5, 8, 7},
                                           RunCase{"xlwt_template.xls", 0, 1, 5, 2},
                                           RunCase{"gnumeric_template.xls", 13, 1, 8, 5}));

TEST(CellRuns, RunCellsHaveTheirOwnFormats) {
  XlsWorkbook book = OpenData("libreoffice_template.xls");
  XlsSheet sheet = book.Sheet(0);
  const double numbers[] = {1, 2, 3.5, 4};
  for (int column = 1; column <= 4; ++column) EXPECT_EQ(sheet.Cell(13, column).Number(), numbers[column - 1]);
  EXPECT_NE(sheet.Cell(13, 1).FormatIndex(), sheet.Cell(13, 2).FormatIndex());
  EXPECT_EQ(sheet.Cell(13, 2).FormatIndex(), sheet.Cell(13, 4).FormatIndex());
  EXPECT_EQ(sheet.Cell(13, 5).Kind(), XlsCellKind::Empty);
  EXPECT_EQ(sheet.Cell(13, 5).FormatIndex(), sheet.Cell(13, 2).FormatIndex()) << "a formatted blank";
}

// A new cell takes the format of a formatted row, else of its column.
TEST(CellRuns, NewCellTakesRowOrColumnFormat) {
  XlsWorkbook book = OpenData("libreoffice_template.xls");
  XlsSheet sheet = book.Sheet(0);
  XlsCell cell = sheet.Cell(40, 1);
  EXPECT_EQ(cell.Kind(), XlsCellKind::Empty);
  cell.SetText("new");
  XlsWorkbook read = Reopened(book);
  EXPECT_EQ(read.Sheet(0).Cell(40, 1).Text(), "new");
  EXPECT_EQ(read.Sheet(0).Cell(40, 1).FormatIndex(), cell.FormatIndex());
}

}  // namespace

}  // namespace xls
