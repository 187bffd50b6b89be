#include "xls/internal/sheet_data.h"

#include <algorithm>

#include "xls/internal/byte_reader.h"

namespace xls {

namespace {

constexpr std::uint16_t kRowHasFormat = 0x0080;

auto RowLess = [](const std::pair<std::uint16_t, std::shared_ptr<const RowData>>& entry, int row) {
  return entry.first < row;
};

}  // namespace

const RowData* XlsSheetData::FindRow(int row) const {
  auto found = std::lower_bound(rows.begin(), rows.end(), row, RowLess);
  return found != rows.end() && found->first == row ? found->second.get() : nullptr;
}

const StoredCell* XlsSheetData::FindCell(int row, int column) const {
  const RowData* data = FindRow(row);
  if (!data) return nullptr;
  auto found = std::lower_bound(data->cells.begin(), data->cells.end(), column,
                                [](const StoredCell& cell, int col) { return cell.column < col; });
  return found != data->cells.end() && found->column == column ? &*found : nullptr;
}

RowData& XlsSheetData::MutableRow(int row) {
  auto found = std::lower_bound(rows.begin(), rows.end(), row, RowLess);
  if (found == rows.end() || found->first != row)
    found = rows.insert(found, {static_cast<std::uint16_t>(row), std::make_shared<RowData>()});
  else if (found->second.use_count() > 1)
    found->second = std::make_shared<RowData>(*found->second);
  // The pointer is unshared now, so changing it changes no other sheet.
  return const_cast<RowData&>(*found->second);
}

StoredCell& XlsSheetData::MutableCell(int row, int column) {
  RowData& data = MutableRow(row);
  auto found = std::lower_bound(data.cells.begin(), data.cells.end(), column,
                                [](const StoredCell& cell, int col) { return cell.column < col; });
  if (found != data.cells.end() && found->column == column) return *found;
  StoredCell cell;
  cell.column = static_cast<std::uint16_t>(column);
  if (data.record.size() >= 16 && (GetU16(data.record, 12) & kRowHasFormat))
    cell.format = GetU16(data.record, 14) & 0x0FFF;
  else if (columns[column].present)
    cell.format = columns[column].format;
  return *data.cells.insert(found, cell);
}

}  // namespace xls
