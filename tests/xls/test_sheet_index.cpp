#include "raw_records.h"
#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls_test_support.h"

namespace xls {

namespace {

const RawRecord* At(const std::vector<RawRecord>& records, std::size_t offset) {
  for (const RawRecord& record : records)
    if (record.offset == offset) return &record;
  return nullptr;
}

class SheetIndex : public ::testing::TestWithParam<int> {};

// INDEX names every DBCELL; each DBCELL points back at the first ROW of its
// block and at the first cell of each of its rows; BOUNDSHEET at the BOF.
TEST_P(SheetIndex, PointersLandOnTheirRecords) {
  const int rows = GetParam();
  XlsWorkbook book;
  for (int row = 0; row < rows; ++row) book.Sheet(0).Cell(row * 2 + 1, row % 7).SetNumber(row);
  book.Sheet(0).SetRowHeight(rows * 2 + 5, 20);  // a row without cells
  std::vector<RawRecord> records = SplitRecords(WorkbookStream(book.SaveBytes()));
  const RawRecord* bof = At(records, GetU32(RecordsOfType(records, kBoundSheet).at(0).data, 0));
  ASSERT_NE(bof, nullptr);
  EXPECT_EQ(bof->type, kBof);
  const RawRecord index = RecordsOfType(records, kIndex).at(0);
  EXPECT_EQ(GetU32(index.data, 4), rows ? 1u : 0u) << "first row with cells";
  EXPECT_EQ(GetU32(index.data, 8), static_cast<std::uint32_t>(rows * 2)) << "last row with cells + 1";
  EXPECT_EQ(At(records, GetU32(index.data, 12))->type, kDefColWidth);
  std::size_t blocks = (index.data.size() - 16) / 4;
  EXPECT_EQ(blocks, static_cast<std::size_t>(rows + 1 + 31) / 32);
  EXPECT_EQ(RecordsOfType(records, kDbCell).size(), blocks);
  for (std::size_t b = 0; b < blocks; ++b) {
    std::size_t position = GetU32(index.data, 16 + 4 * b);
    const RawRecord* dbcell = At(records, position);
    ASSERT_NE(dbcell, nullptr);
    ASSERT_EQ(dbcell->type, kDbCell);
    std::size_t first_row = position - GetU32(dbcell->data, 0);
    ASSERT_NE(At(records, first_row), nullptr);
    EXPECT_EQ(At(records, first_row)->type, kRow);
    std::size_t cell = first_row + 20;
    for (std::size_t r = 0; 4 + 2 * r < dbcell->data.size(); ++r) {
      cell += GetU16(dbcell->data, 4 + 2 * r);
      const RawRecord* found = At(records, cell);
      ASSERT_NE(found, nullptr) << "block " << b << " row " << r;
      EXPECT_TRUE(found->type == kRk || found->type == kDbCell) << found->type;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, SheetIndex, ::testing::Values(0, 1, 31, 32, 33, 100));

}  // namespace

}  // namespace xls
