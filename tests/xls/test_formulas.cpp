#include "raw_records.h"
#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls_test_support.h"

namespace xls {

namespace {

class Formulas : public ::testing::TestWithParam<std::string> {};

// Column F holds =E*2 on rows 4..12: kept as formulas with their results.
TEST_P(Formulas, ReadAsFormulasWithCachedResults) {
  XlsWorkbook book = Reopened(OpenData(GetParam()));
  for (int row = 3; row < 12; ++row) {
    XlsCell cell = book.Sheet(0).Cell(row, 5);
    EXPECT_EQ(cell.Kind(), XlsCellKind::Formula) << row;
    EXPECT_EQ(cell.Number(), row * 3.0) << row;
  }
}

// A value over any cell of a formula run, the first included, leaves every
// other cell a formula that readers can resolve.
TEST_P(Formulas, ValueOverAFormulaKeepsTheOthers) {
  for (int changed : {3, 4, 11}) {
    XlsWorkbook book = OpenData(GetParam());
    book.Sheet(0).Cell(changed, 5).SetNumber(77);
    XlsWorkbook read = Reopened(book);
    for (int row = 3; row < 12; ++row) {
      XlsCell cell = read.Sheet(0).Cell(row, 5);
      if (row == changed) {
        EXPECT_EQ(cell.Kind(), XlsCellKind::Number);
        EXPECT_EQ(cell.Number(), 77);
      } else {
        EXPECT_EQ(cell.Kind(), XlsCellKind::Formula) << row;
        EXPECT_EQ(cell.Number(), row * 3.0) << row;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Writers, Formulas,
                         ::testing::Values("libreoffice_template.xls", "gnumeric_template.xls"),
                         [](const auto& info) { return info.param.substr(0, info.param.find('_')); });

// LibreOffice shares the formulas of column F; after F4 takes a value, the
// shared formula follows F5's FORMULA record, starts at F5, and F6..F12 name F5.
TEST(SharedFormulas, FirstCellHandsTheFormulaOn) {
  XlsWorkbook book = OpenData("libreoffice_template.xls");
  book.Sheet(0).Cell(3, 5).SetText("replaced");
  std::vector<RawRecord> records = SplitRecords(WorkbookStream(book.SaveBytes()));
  int shared = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const RawRecord& record = records[i];
    if (record.type == kShrFmla && GetU16(record.data, 0) >= 3 && record.data[4] == 5) {
      ++shared;
      ASSERT_EQ(records[i - 1].type, kFormula);
      EXPECT_EQ(GetU16(records[i - 1].data, 0), 4) << "follows F5";
      EXPECT_EQ(GetU16(record.data, 0), 4) << "range starts at F5";
      EXPECT_EQ(GetU16(record.data, 2), 11) << "range ends at F12";
    }
    if (record.type == kFormula && GetU16(record.data, 2) == 5) {
      std::uint16_t row = GetU16(record.data, 0);
      EXPECT_GE(row, 4);
      EXPECT_EQ(record.data[22], 0x01) << "row " << row << " uses the shared formula";
      EXPECT_EQ(GetU16(record.data, 23), 4) << "row " << row;
    }
  }
  EXPECT_EQ(shared, 1);
  XlsWorkbook read;
  read.OpenBytes(book.SaveBytes());
  EXPECT_EQ(read.Sheet(0).Cell(3, 5).Text(), "replaced");
}

}  // namespace

}  // namespace xls
