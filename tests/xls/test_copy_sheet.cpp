#include <set>

#include "raw_records.h"
#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls_test_support.h"

namespace xls {

namespace {

constexpr int kCopies = 5;

class CopySheet : public ::testing::TestWithParam<std::string> {
 protected:
  // The template's first sheet copied behind itself, as the report does.
  XlsWorkbook Copied() {
    XlsWorkbook book = OpenData(GetParam());
    for (int k = 1; k <= kCopies; ++k) book.CopySheet(0, k, "P_" + std::to_string(k));
    return book;
  }
};

TEST_P(CopySheet, CopyCarriesCellsSizesAndMergedRanges) {
  XlsWorkbook source = OpenData(GetParam());
  XlsWorkbook book = Reopened(Copied());
  ASSERT_EQ(book.SheetCount(), source.SheetCount() + kCopies);
  XlsSheet original = source.Sheet(0);
  for (int k = 1; k <= kCopies; ++k) {
    XlsSheet copy = book.Sheet(k);
    EXPECT_EQ(copy.Name(), "P_" + std::to_string(k));
    EXPECT_EQ(copy.MergedRanges(), original.MergedRanges());
    EXPECT_EQ(copy.ShapeCount(), original.ShapeCount());
    for (int column = 0; column < 20; ++column)
      EXPECT_EQ(copy.ColumnWidth(column), original.ColumnWidth(column));
    for (int row = 0; row < 20; ++row) {
      EXPECT_EQ(copy.RowHeight(row), original.RowHeight(row)) << "row " << row;
      for (int column = 0; column < 10; ++column) {
        XlsCell a = original.Cell(row, column), b = copy.Cell(row, column);
        ASSERT_EQ(b.Kind(), a.Kind()) << row << "," << column;
        EXPECT_EQ(b.Number(), a.Number());
        EXPECT_EQ(b.Text(), a.Text());
        EXPECT_EQ(b.FormatIndex(), a.FormatIndex());
      }
    }
  }
  EXPECT_EQ(book.Sheet(kCopies + 1).Name(), "Notes") << "later sheets move behind the copies";
}

// Page setup, margins, header and footer travel with the copy as they were.
TEST_P(CopySheet, CopyCarriesPageSetup) {
  std::string file = Copied().SaveBytes();
  std::vector<RawRecord> records = SplitRecords(WorkbookStream(file));
  std::vector<RawRecord> sheets = RecordsOfType(records, kBoundSheet);
  const std::set<std::uint16_t> page = {0x00A1, 0x0026, 0x0027, 0x0028, 0x0029,
                                        0x0014, 0x0015, 0x0083, 0x0084};
  auto page_records = [&](std::size_t sheet) {
    std::string joined;
    std::size_t start = GetU32(sheets[sheet].data, 0);
    for (const RawRecord& record : records) {
      if (record.offset < start) continue;
      if (record.type == kEof) break;
      if (page.count(record.type)) joined += std::to_string(record.type) + ":" + record.data;
    }
    return joined;
  };
  std::string first = page_records(0);
  EXPECT_NE(first.find(std::to_string(0x00A1)), std::string::npos) << "the template has a page setup";
  for (int k = 1; k <= kCopies; ++k) EXPECT_EQ(page_records(k), first);
}

// Each copy's drawing has its own drawing id and shape ids; the pictures are
// shared, each reference counted.
class CopyDrawing : public CopySheet {};

TEST_P(CopyDrawing, CopiedDrawingsHaveTheirOwnIdsAndSharePictures) {
  XlsWorkbook source = OpenData(GetParam());
  XlsWorkbook book = Reopened(Copied());
  std::set<int> drawings;
  std::set<std::uint32_t> shapes;
  std::size_t shape_count = 0;
  for (int i = 0; i < book.SheetCount(); ++i) {
    XlsDrawingInfo info = book.DrawingInfo(i);
    if (info.drawing_id == 0) continue;
    EXPECT_TRUE(drawings.insert(info.drawing_id).second) << "drawing id " << info.drawing_id;
    for (std::uint32_t id : info.shape_ids) EXPECT_TRUE(shapes.insert(id).second) << "shape id " << id;
    shape_count += info.shape_ids.size();
  }
  XlsDrawingInfo original = source.DrawingInfo(0);
  ASSERT_GT(original.drawing_id, 0) << "the template has a picture";
  EXPECT_EQ(drawings.size(), 1u + kCopies + (source.DrawingInfo(1).drawing_id ? 1 : 0));
  std::vector<std::uint32_t> before = source.PictureReferenceCounts();
  std::vector<std::uint32_t> after = book.PictureReferenceCounts();
  ASSERT_EQ(after.size(), before.size());
  ASSERT_FALSE(after.empty());
  EXPECT_EQ(after[0], before[0] + kCopies);
}

TEST_P(CopySheet, CopyIsIndependentOfItsSource) {
  XlsWorkbook book = Copied();
  book.Sheet(2).Cell(3, 4).SetNumber(123);
  book.Sheet(2).SetRowHeight(3, 30);
  book.Sheet(2).SetColumnWidth(4, 20);
  XlsWorkbook read = Reopened(book);
  EXPECT_EQ(read.Sheet(2).Cell(3, 4).Number(), 123);
  EXPECT_EQ(read.Sheet(0).Cell(3, 4).Number(), 4.5);
  EXPECT_EQ(read.Sheet(3).Cell(3, 4).Number(), 4.5);
  EXPECT_NE(read.Sheet(0).RowHeight(3), 30);
  EXPECT_NE(read.Sheet(1).ColumnWidth(4), 20);
  EXPECT_EQ(read.Sheet(2).Cell(3, 4).FormatIndex(), read.Sheet(0).Cell(3, 4).FormatIndex());
}

// Only the template's own tab stays selected, so the copies are not grouped.
TEST_P(CopySheet, CopiesAreNotSelected) {
  std::vector<RawRecord> windows =
      RecordsOfType(SplitRecords(WorkbookStream(Copied().SaveBytes())), kWindow2);
  ASSERT_GE(windows.size(), 1u + kCopies);
  int selected = 0;
  for (const RawRecord& window : windows) selected += (GetU16(window.data, 0) & 0x0200) ? 1 : 0;
  EXPECT_EQ(selected, 1);
}

// A new empty sheet behind the template's: the others keep their pictures,
// and its cells read back.
TEST_P(CopySheet, InsertedEmptySheetReadsBack) {
  XlsWorkbook book = Copied();
  const int count = book.SheetCount();
  EXPECT_THROW(book.InsertSheet(count, "p_1"), Error);
  book.InsertSheet(count, "Summary");
  book.Sheet(count).Cell(1, 2).SetText("Сводка");
  book.Sheet(count).SetColumnWidth(2, 30);
  XlsWorkbook read = Reopened(book);
  ASSERT_EQ(read.SheetCount(), count + 1);
  EXPECT_EQ(read.Sheet(count).Name(), "Summary");
  EXPECT_EQ(read.Sheet(count).Cell(1, 2).Text(), "Сводка");
  EXPECT_NEAR(read.Sheet(count).ColumnWidth(2), 30, 0.005);
  EXPECT_EQ(read.Sheet(count).ShapeCount(), 0);
  EXPECT_EQ(read.Sheet(kCopies).ShapeCount(), read.Sheet(0).ShapeCount());
}

INSTANTIATE_TEST_SUITE_P(Templates, CopySheet,
                         ::testing::Values("libreoffice_template.xls", "gnumeric_template.xls",
                                           "xlwt_template.xls"),
                         [](const auto& info) { return info.param.substr(0, info.param.find('_')); });

INSTANTIATE_TEST_SUITE_P(Templates, CopyDrawing,
                         ::testing::Values("libreoffice_template.xls", "gnumeric_template.xls",
                                           "libreoffice_large_picture.xls"),
                         [](const auto& info) { return info.param.substr(0, info.param.find('.')); });

TEST(CopySheetPositions, InsertsAtThePositionGiven) {
  XlsWorkbook book;
  book.RenameSheet(0, "A");
  book.CopySheet(0, 1, "C");
  book.CopySheet(0, 1, "B");
  book.CopySheet(2, 0, "Z");
  std::vector<std::string> names;
  for (int i = 0; i < book.SheetCount(); ++i) names.push_back(book.Sheet(i).Name());
  EXPECT_EQ(names, (std::vector<std::string>{"Z", "A", "B", "C"}));
  EXPECT_ORV_ERROR(book.CopySheet(0, 5, "Y"), "Sheet position out of range: 5");
  EXPECT_ORV_ERROR(book.CopySheet(4, 0, "Y"), "Sheet index out of range: 4");
  EXPECT_EQ(book.SheetCount(), 4);
}

// Names that belong to a sheet (print areas, titles) follow it when copies
// are inserted before it; the workbook's own sheet reference counts sheets anew.
TEST(CopySheetPositions, SheetScopedNamesFollowTheirSheet) {
  XlsWorkbook book = OpenData("gnumeric_template.xls");
  std::vector<RawRecord> before = RecordsOfType(SplitRecords(WorkbookStream(book.SaveBytes())), kName);
  book.CopySheet(0, 1, "P_1");
  book.CopySheet(0, 2, "P_2");
  std::vector<RawRecord> records = SplitRecords(WorkbookStream(book.SaveBytes()));
  std::vector<RawRecord> after = RecordsOfType(records, kName);
  ASSERT_GE(after.size(), before.size());
  ASSERT_FALSE(before.empty());
  for (std::size_t i = 0; i < before.size(); ++i) {
    std::uint16_t old_sheet = GetU16(before[i].data, 8);
    EXPECT_EQ(GetU16(after[i].data, 8), old_sheet >= 2 ? old_sheet + 2 : old_sheet);
  }
  for (const RawRecord& book_record : RecordsOfType(records, kSupBook)) {
    if (GetU16(book_record.data, 2) == 0x0401) {
      EXPECT_EQ(GetU16(book_record.data, 0), 4);
    }
  }
}

// Each copy gets its own print area, a 3-D reference to the copy itself.
TEST(CopySheetPositions, CopiesGetTheirOwnPrintArea) {
  for (const char* file : {"libreoffice_template.xls", "gnumeric_template.xls"}) {
    XlsWorkbook book = OpenData(file);
    book.CopySheet(0, 1, "P_1");
    book.CopySheet(0, 1, "P_2");
    std::vector<RawRecord> records = SplitRecords(WorkbookStream(book.SaveBytes()));
    std::string references = RecordsOfType(records, kExternSheet).at(0).data;
    std::set<int> sheets;
    for (const RawRecord& name : RecordsOfType(records, kName)) {
      const std::string& data = name.data;
      bool print_area = (GetU16(data, 0) & 0x0020) && data[15] == 0x06;
      if (!print_area || data[16] != 0x3B) continue;
      int sheet = GetU16(data, 8) - 1;
      std::size_t reference = GetU16(data, 17);
      EXPECT_EQ(GetU16(references, 2 + 6 * reference + 2), sheet) << file;
      EXPECT_EQ(GetU16(references, 2 + 6 * reference + 4), sheet) << file;
      sheets.insert(sheet);
    }
    EXPECT_EQ(sheets, (std::set<int>{0, 1, 2})) << file;
  }
}

}  // namespace

}  // namespace xls
