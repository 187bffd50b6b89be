#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "xls/internal/records.h"

namespace xls {

class XlsBook;

// A cell as the sheet stores it. Formulas, booleans, errors and other cell
// records are kept as their records (`records`, headers included); a number
// or text written over a formula keeps there the shared-formula, array or
// table records that other cells may point at, written after the value.
struct StoredCell {
  enum Type : std::uint8_t { kBlank, kNumber, kString, kRecords };
  std::uint16_t column = 0;
  std::uint16_t format = 15;
  Type type = kBlank;
  double number = 0;
  std::uint32_t string = 0;  // index in the shared strings
  std::shared_ptr<const std::string> records;
};

struct RowData {
  std::string record;             // data of the ROW record; empty when the file had none
  std::vector<StoredCell> cells;  // by column
};

struct ColumnInfo {
  bool present = false;
  std::uint16_t width = 0;  // 1/256 of a character
  std::uint16_t format = 15;
  std::uint16_t flags = 0;
};

// One sheet: the records before and after the cell table kept as read, the
// cells, rows and column widths modelled. Rows are shared between copies of
// a sheet until one of them changes a row.
class XlsSheetData {
 public:
  explicit XlsSheetData(XlsBook* book) : book_(book) {}

  XlsBook& Book() const { return *book_; }

  std::u16string name;
  std::uint8_t visibility = 0;  // of the sheet's BOUNDSHEET
  std::uint8_t kind = 0;
  Record bof;
  std::vector<Record> head;    // before the column widths
  std::vector<Record> middle;  // after the column widths, before the cells
  std::array<ColumnInfo, 256> columns{};
  std::vector<std::pair<std::uint16_t, std::shared_ptr<const RowData>>> rows;  // by row index
  std::vector<Record> tail;  // after the cells, EOF excluded

  const RowData* FindRow(int row) const;
  const StoredCell* FindCell(int row, int column) const;
  // The row to change, unshared first; created when missing.
  RowData& MutableRow(int row);
  // The cell to change; a new one takes the row's or column's format.
  StoredCell& MutableCell(int row, int column);

 private:
  XlsBook* book_;
};

}  // namespace xls
