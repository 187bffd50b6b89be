#include <cmath>
#include <limits>

#include "xls_test_support.h"

namespace xls {

namespace {

class NumberRoundTrip : public ::testing::TestWithParam<double> {};

// Integers, RK-sized doubles and doubles RK cannot hold all come back exactly.
TEST_P(NumberRoundTrip, ComesBackExactly) {
  XlsWorkbook book;
  book.Sheet(0).Cell(3, 4).SetNumber(GetParam());
  XlsWorkbook read = Reopened(book);
  XlsCell cell = read.Sheet(0).Cell(3, 4);
  EXPECT_EQ(cell.Kind(), XlsCellKind::Number);
  EXPECT_EQ(cell.Number(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Values, NumberRoundTrip,
                         ::testing::Values(0.0, 1.0, -1.0, 536870911.0, -536870912.0, 536870912.0, 0.5, 0.83,
                                           24.75, -0.1, 1e-300, 1e300, 2147483647.0, -2147483648.0,
                                           std::numeric_limits<double>::denorm_min()));

TEST(WorkbookRoundTrip, IntegersTextsAndAddressesSurvive) {
  XlsWorkbook book;
  XlsSheet sheet = book.Sheet(0);
  sheet.Cell(0, 0).SetInteger(2147483647);
  sheet.Cell(0, 255).SetInteger(-2147483647 - 1);
  sheet.Cell(65535, 0).SetText("last row");
  sheet.Cell(2, 1).SetText("Опора №12");
  sheet.Cell(2, 2).SetText("");
  sheet.Cell(2, 3).SetText("Ångström ß");
  sheet.Cell(2, 4).SetText("漢字 and emoji 😀");
  XlsWorkbook read = Reopened(book);
  XlsSheet back = read.Sheet(0);
  EXPECT_EQ(back.Cell(0, 0).Number(), 2147483647.0);
  EXPECT_EQ(back.Cell(0, 255).Number(), -2147483648.0);
  EXPECT_EQ(back.Cell(65535, 0).Text(), "last row");
  EXPECT_EQ(back.Cell(2, 1).Text(), "Опора №12");
  EXPECT_EQ(back.Cell(2, 2).Kind(), XlsCellKind::Text);
  EXPECT_EQ(back.Cell(2, 2).Text(), "");
  EXPECT_EQ(back.Cell(2, 3).Text(), "Ångström ß");
  EXPECT_EQ(back.Cell(2, 4).Text(), "漢字 and emoji 😀");
  EXPECT_EQ(back.Cell(1, 1).Kind(), XlsCellKind::Empty);
}

TEST(WorkbookRoundTrip, ValueReplacesValueOfOtherKind) {
  XlsWorkbook book;
  XlsCell cell = book.Sheet(0).Cell(5, 5);
  cell.SetText("first");
  cell.SetNumber(7.25);
  EXPECT_EQ(cell.Kind(), XlsCellKind::Number);
  EXPECT_EQ(cell.Text(), "");
  cell.SetText("again");
  XlsWorkbook read = Reopened(book);
  EXPECT_EQ(read.Sheet(0).Cell(5, 5).Text(), "again");
  EXPECT_EQ(read.Sheet(0).Cell(5, 5).Number(), 0);
}

TEST(WorkbookRoundTrip, ColumnWidthsAndRowHeights) {
  XlsWorkbook book;
  XlsSheet sheet = book.Sheet(0);
  const double widths[] = {0.83, 24, 9.71, 8, 7.81, 7, 7, 7, 7, 7, 7, 8.43};
  for (int column = 0; column < 12; ++column) sheet.SetColumnWidth(column, widths[column]);
  sheet.SetColumnWidth(255, 3);
  sheet.SetRowHeight(14, 24.75);
  sheet.SetRowHeight(0, 0);
  XlsWorkbook read = Reopened(book);
  XlsSheet back = read.Sheet(0);
  for (int column = 0; column < 12; ++column)
    EXPECT_NEAR(back.ColumnWidth(column), widths[column], 1.0 / 256);
  EXPECT_NEAR(back.ColumnWidth(255), 3, 1.0 / 256);
  EXPECT_EQ(back.ColumnWidth(100), 8);
  EXPECT_EQ(back.RowHeight(14), 24.75);
  EXPECT_EQ(back.RowHeight(0), 0);
  EXPECT_EQ(back.RowHeight(1), 12.75);
}

TEST(WorkbookRoundTrip, AddressesAndSizesOutOfRangeAreRefused) {
  XlsWorkbook book;
  XlsSheet sheet = book.Sheet(0);
  EXPECT_ORV_ERROR(sheet.Cell(0, 256), "Column index out of range: 256");
  EXPECT_ORV_ERROR(sheet.Cell(0, -1), "Column index out of range: -1");
  EXPECT_ORV_ERROR(sheet.Cell(65536, 0), "Row index out of range: 65536");
  EXPECT_ORV_ERROR(sheet.SetColumnWidth(256, 5), "Column index out of range: 256");
  EXPECT_THROW(sheet.SetColumnWidth(1, -1), Error);
  EXPECT_THROW(sheet.SetColumnWidth(1, 256), Error);
  EXPECT_THROW(sheet.SetRowHeight(1, 410), Error);
  EXPECT_THROW(sheet.SetRowHeight(1, std::nan("")), Error);
  EXPECT_ORV_ERROR(sheet.Cell(0, 0).SetNumber(INFINITY), "Invalid floating point operation");
  EXPECT_ORV_ERROR(book.Sheet(1), "Sheet index out of range: 1");
  EXPECT_ORV_ERROR(book.Sheet(-1), "Sheet index out of range: -1");
  EXPECT_ORV_ERROR(sheet.Cell(0, 0).SetText("\xC3\x28"), "Text is not valid UTF-8");
}

TEST(WorkbookRoundTrip, NewWorkbookHasOneEmptySheet) {
  XlsWorkbook book;
  ASSERT_EQ(book.SheetCount(), 1);
  EXPECT_EQ(book.Sheet(0).Name(), "Sheet1");
  XlsWorkbook read = Reopened(book);
  EXPECT_EQ(read.SheetCount(), 1);
  EXPECT_EQ(read.Sheet(0).Cell(0, 0).Kind(), XlsCellKind::Empty);
}

TEST(WorkbookRoundTrip, SaveReplacesFileAndFailureKeepsIt) {
  TempFolder folder;
  std::string path = folder.File("report.xls");
  XlsWorkbook book;
  book.Sheet(0).Cell(0, 0).SetText("one");
  book.Save(path);
  book.Sheet(0).Cell(0, 0).SetText("two");
  book.Save(path);
  XlsWorkbook read;
  read.Open(path);
  EXPECT_EQ(read.Sheet(0).Cell(0, 0).Text(), "two");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
      << "no temporary file left";
  EXPECT_ORV_ERROR(
      book.Save(folder.File("missing/report.xls")),
      "Can not create a file \"" + folder.File("missing/report.xls") + "\": No such file or directory");
  EXPECT_ORV_ERROR(book.Save(folder.Path().string()),
                   "Can not create a file \"" + folder.Path().string() + "\": Is a directory");
  read.Open(path);
  EXPECT_EQ(read.Sheet(0).Cell(0, 0).Text(), "two");
}

TEST(WorkbookRoundTrip, OpenErrorsAndFailedOpenKeepsContents) {
  TempFolder folder;
  XlsWorkbook book;
  book.Sheet(0).Cell(1, 1).SetNumber(5);
  EXPECT_ORV_ERROR(book.Open(folder.File("absent.xls")),
                   "Can not open a file (probably it is already opened or does not exist)");
  EXPECT_ORV_ERROR(book.Open(folder.Path().string()),
                   "Can not open a file (probably it is already opened or does not exist)");
  EXPECT_EQ(book.Sheet(0).Cell(1, 1).Number(), 5);
}

}  // namespace

}  // namespace xls
