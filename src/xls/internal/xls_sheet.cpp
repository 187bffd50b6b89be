#include <cmath>

#include "xls/internal/book.h"
#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls/internal/sheet_drawing.h"
#include "xls/internal/unicode_text.h"
#include "xls/workbook.h"
#include "xls/xls_error.h"

namespace xls {

namespace {

constexpr int kMaxRow = 65535;
constexpr int kMaxColumn = 255;
constexpr std::uint16_t kCustomHeight = 0x0040;
constexpr std::uint16_t kUserWidth = 0x0002;
constexpr double kDefaultRowPoints = 12.75;

void CheckColumn(int column) {
  if (column < 0 || column > kMaxColumn) throw Error("Column index out of range: " + std::to_string(column));
}

void CheckRow(int row) {
  if (row < 0 || row > kMaxRow) throw Error("Row index out of range: " + std::to_string(row));
}

std::uint16_t Scaled(double value, double scale, double limit) {
  if (!std::isfinite(value) || value < 0 || value * scale > limit)
    throw Error("Size out of range: " + std::to_string(value));
  return static_cast<std::uint16_t>(std::lround(value * scale));
}

const Record* FindRecord(const std::vector<Record>& records, std::uint16_t type) {
  for (const Record& record : records)
    if (record.type == type) return &record;
  return nullptr;
}

}  // namespace

std::string XlsSheet::Name() const { return Utf16ToUtf8(sheet_->name); }

void XlsSheet::SetColumnWidth(int column, double characters) {
  CheckColumn(column);
  ColumnInfo& info = sheet_->columns[column];
  info.width = Scaled(characters, 256, 65535);
  info.flags |= kUserWidth;
  info.present = true;
}

double XlsSheet::ColumnWidth(int column) const {
  CheckColumn(column);
  const ColumnInfo& info = sheet_->columns[column];
  if (info.present) return info.width / 256.0;
  for (const auto* records : {&sheet_->head, &sheet_->middle})
    if (const Record* record = FindRecord(*records, kDefColWidth); record && record->Data().size() >= 2)
      return GetU16(record->Data(), 0);
  return 8;
}

void XlsSheet::SetRowHeight(int row, double points) {
  CheckRow(row);
  std::uint16_t twips = Scaled(points, 20, 8192);
  RowData& data = sheet_->MutableRow(row);
  if (data.record.size() < 16) {
    data.record.assign(16, '\0');
    PutU16(data.record, 12, 0x0100);
    PutU16(data.record, 14, 0x000F);
  }
  PutU16(data.record, 6, twips);
  PutU16(data.record, 12, GetU16(data.record, 12) | kCustomHeight);
}

double XlsSheet::RowHeight(int row) const {
  CheckRow(row);
  const RowData* data = sheet_->FindRow(row);
  if (data && data->record.size() >= 16) return (GetU16(data->record, 6) & 0x7FFF) / 20.0;
  for (const auto* records : {&sheet_->head, &sheet_->middle})
    if (const Record* record = FindRecord(*records, kDefaultRowHeight); record && record->Data().size() >= 4)
      return GetU16(record->Data(), 2) / 20.0;
  return kDefaultRowPoints;
}

XlsCell XlsSheet::Cell(int row, int column) {
  CheckRow(row);
  CheckColumn(column);
  return XlsCell(sheet_, row, column);
}

std::vector<XlsRange> XlsSheet::MergedRanges() const {
  std::vector<XlsRange> ranges;
  for (const Record& record : sheet_->tail) {
    if (record.type != kMergedCells) continue;
    ByteReader in(record.Data(), "Invalid workbook: merged cells");
    std::uint16_t count = in.U16();
    for (std::uint16_t i = 0; i < count && in.Left() >= 8; ++i) {
      XlsRange range;
      range.first_row = in.U16();
      range.last_row = in.U16();
      range.first_column = in.U16();
      range.last_column = in.U16();
      ranges.push_back(range);
    }
  }
  return ranges;
}

int XlsSheet::ShapeCount() const { return CountShapes(sheet_->tail); }

}  // namespace xls
