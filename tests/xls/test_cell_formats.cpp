#include "raw_records.h"
#include "xls/internal/byte_reader.h"
#include "xls_test_support.h"

namespace xls {

namespace {

constexpr std::uint16_t kFormat = 0x041E;
constexpr std::uint16_t kXf = 0x00E0;
constexpr std::uint16_t kWsBool = 0x0081;
constexpr std::uint16_t kSetup = 0x00A1;

// The text of the number format the XF `xf` of a saved workbook shows with.
std::string FormatText(const std::vector<RawRecord>& records, int xf) {
  std::uint16_t number_format = GetU16(RecordsOfType(records, kXf).at(xf).data, 2);
  for (const RawRecord& format : RecordsOfType(records, kFormat))
    if (GetU16(format.data, 0) == number_format) return format.data.substr(5);  // compressed text
  return number_format == 0 ? "General" : "";
}

class CellFormats : public ::testing::TestWithParam<const char*> {};

// Written into a new workbook or a template made by another program, the
// format survives saving and opening and is found again rather than repeated.
TEST_P(CellFormats, NumberFormatAndPageSetupSurviveSaving) {
  XlsWorkbook book = *GetParam() ? OpenData(GetParam()) : XlsWorkbook();
  const int tenths = book.NumberFormatIndex("0.0");
  const int wrapped = book.NumberFormatIndex("General", true);
  EXPECT_NE(tenths, wrapped);
  EXPECT_EQ(book.NumberFormatIndex("0.0"), tenths);
  XlsSheet sheet = book.Sheet(0);
  sheet.Cell(300, 2).SetNumber(5271.41837574);
  sheet.Cell(300, 2).SetFormatIndex(tenths);
  sheet.Cell(300, 3).SetFormatIndex(wrapped);
  sheet.SetPageSetup({.landscape = true, .fit_wide = 1, .fit_tall = 0});
  EXPECT_ORV_ERROR(sheet.Cell(0, 0).SetFormatIndex(4050), "Cell format index out of range: 4050");

  const std::string bytes = book.SaveBytes();
  XlsWorkbook reopened;
  reopened.OpenBytes(bytes);
  XlsCell cell = reopened.Sheet(0).Cell(300, 2);
  EXPECT_EQ(cell.Number(), 5271.41837574);
  EXPECT_EQ(cell.FormatIndex(), tenths);
  EXPECT_EQ(reopened.NumberFormatIndex("0.0"), tenths);
  EXPECT_EQ(reopened.NumberFormatIndex("General", true), wrapped);

  std::vector<RawRecord> records = SplitRecords(WorkbookStream(bytes));
  EXPECT_EQ(FormatText(records, tenths), "0.0");
  EXPECT_EQ(FormatText(records, wrapped), "General");
  EXPECT_TRUE(RecordsOfType(records, kXf).at(wrapped).data[6] & 0x08);  // wrapped text
  // The first sheet's page setup: fit to one page wide, any number tall, landscape.
  const RawRecord setup = RecordsOfType(records, kSetup).at(0);
  EXPECT_EQ(GetU16(setup.data, 6), 1);
  EXPECT_EQ(GetU16(setup.data, 8), 0);
  EXPECT_EQ(GetU16(setup.data, 10) & 0x06, 0);  // landscape, printer data valid
  EXPECT_TRUE(GetU16(RecordsOfType(records, kWsBool).at(0).data, 0) & 0x0100);
}

INSTANTIATE_TEST_SUITE_P(Books, CellFormats,
                         ::testing::Values("", "libreoffice_template.xls", "gnumeric_template.xls",
                                           "xlwt_template.xls"));

}  // namespace

}  // namespace xls
