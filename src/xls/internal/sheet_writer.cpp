#include "xls/internal/sheet_writer.h"

#include <bit>
#include <cmath>
#include <string>
#include <vector>

#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"

namespace xls {

namespace {

constexpr std::size_t kRowsPerBlock = 32;
constexpr std::size_t kRowRecordSize = 20;

using RowEntry = std::pair<std::uint16_t, std::shared_ptr<const RowData>>;

// RK holds a 30-bit integer or the top 30 bits of a double; use it only when
// the value comes back exactly.
bool EncodeRk(double value, std::uint32_t& rk) {
  if (std::isfinite(value) && value == std::floor(value) && value >= -(1 << 29) && value < (1 << 29)) {
    rk = (static_cast<std::uint32_t>(static_cast<std::int32_t>(value)) << 2) | 0x02;
    return true;
  }
  std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  if ((bits & 0x00000003FFFFFFFFull) != 0) return false;
  rk = static_cast<std::uint32_t>(bits >> 32);
  return true;
}

std::string CellHeader(std::uint16_t row, const StoredCell& cell) {
  std::string data;
  AppendU16(data, row);
  AppendU16(data, cell.column);
  AppendU16(data, cell.format);
  return data;
}

void WriteCell(std::uint16_t row, const StoredCell& cell, RecordWriter& writer) {
  std::string data = CellHeader(row, cell);
  switch (cell.type) {
    case StoredCell::kBlank:
      writer.Add(kBlank, data);
      break;
    case StoredCell::kString:
      AppendU32(data, cell.string);
      writer.Add(kLabelSst, data);
      if (cell.records) writer.Bytes() += *cell.records;
      break;
    case StoredCell::kNumber: {
      std::uint32_t rk = 0;
      if (EncodeRk(cell.number, rk)) {
        AppendU32(data, rk);
        writer.Add(kRk, data);
      } else {
        AppendF64(data, cell.number);
        writer.Add(kNumber, data);
      }
      if (cell.records) writer.Bytes() += *cell.records;
      break;
    }
    case StoredCell::kRecords:
      writer.Bytes() += *cell.records;
      break;
  }
}

bool Written(const RowEntry& row) { return !row.second->record.empty() || !row.second->cells.empty(); }

std::string RowRecord(const RowEntry& row) {
  std::string data = row.second->record;
  if (data.size() < 16) {
    data.assign(16, '\0');
    PutU16(data, 6, 0x00FF);
    PutU16(data, 12, 0x0100);
    PutU16(data, 14, 0x000F);
  }
  const std::vector<StoredCell>& cells = row.second->cells;
  PutU16(data, 0, row.first);
  PutU16(data, 2, cells.empty() ? 0 : cells.front().column);
  PutU16(data, 4, cells.empty() ? 0 : static_cast<std::uint16_t>(cells.back().column + 1));
  return data;
}

// One block of up to 32 rows: their ROW records, their cells, a DBCELL.
std::size_t WriteBlock(const std::vector<const RowEntry*>& rows, std::size_t first, RecordWriter& writer) {
  std::size_t last = std::min(rows.size(), first + kRowsPerBlock);
  std::size_t rows_start = writer.Pos();
  for (std::size_t i = first; i < last; ++i) writer.Add(kRow, RowRecord(*rows[i]));
  std::string offsets;
  std::size_t previous = rows_start + kRowRecordSize;
  for (std::size_t i = first; i < last; ++i) {
    AppendU16(offsets, static_cast<std::uint16_t>(writer.Pos() - previous));
    previous = writer.Pos();
    for (const StoredCell& cell : rows[i]->second->cells) WriteCell(rows[i]->first, cell, writer);
  }
  std::size_t dbcell = writer.Pos();
  std::string data;
  AppendU32(data, static_cast<std::uint32_t>(dbcell - rows_start));
  writer.Add(kDbCell, data + offsets);
  return dbcell;
}

void WriteColumns(const XlsSheetData& sheet, RecordWriter& writer) {
  const auto& columns = sheet.columns;
  for (int first = 0; first < 256; ++first) {
    if (!columns[first].present) continue;
    int last = first;
    while (last + 1 < 256 && columns[last + 1].present && columns[last + 1].width == columns[first].width &&
           columns[last + 1].format == columns[first].format &&
           columns[last + 1].flags == columns[first].flags)
      ++last;
    std::string data;
    AppendU16(data, static_cast<std::uint16_t>(first));
    AppendU16(data, static_cast<std::uint16_t>(last));
    AppendU16(data, columns[first].width);
    AppendU16(data, columns[first].format);
    AppendU16(data, columns[first].flags);
    AppendU16(data, 0);
    writer.Add(kColInfo, data);
    first = last;
  }
}

std::string Dimensions(const std::vector<const RowEntry*>& rows) {
  std::uint32_t first_row = 0, last_row = 0;
  std::uint16_t first_column = 0xFFFF, last_column = 0;
  bool any = false;
  for (const RowEntry* row : rows) {
    const std::vector<StoredCell>& cells = row->second->cells;
    if (cells.empty()) continue;
    if (!any) first_row = row->first;
    any = true;
    last_row = row->first + 1u;
    first_column = std::min(first_column, cells.front().column);
    last_column = std::max<std::uint16_t>(last_column, cells.back().column + 1);
  }
  std::string data;
  AppendU32(data, first_row);
  AppendU32(data, last_row);
  AppendU16(data, any ? first_column : 0);
  AppendU16(data, last_column);
  AppendU16(data, 0);
  return data;
}

void WriteRecords(const std::vector<Record>& records, RecordWriter& writer, std::size_t& default_width) {
  for (const Record& record : records) {
    if (record.type == kDefColWidth) default_width = writer.Pos();
    writer.Add(record.type, record.Data());
  }
}

}  // namespace

void WriteSheet(const XlsSheetData& sheet, RecordWriter& writer) {
  std::vector<const RowEntry*> rows;
  for (const RowEntry& row : sheet.rows)
    if (Written(row)) rows.push_back(&row);
  std::size_t blocks = (rows.size() + kRowsPerBlock - 1) / kRowsPerBlock;
  writer.Add(kBof, sheet.bof.Data());
  std::size_t index = writer.Pos();
  writer.Add(kIndex, std::string(16 + 4 * blocks, '\0'));
  std::size_t default_width = 0;
  WriteRecords(sheet.head, writer, default_width);
  WriteColumns(sheet, writer);
  WriteRecords(sheet.middle, writer, default_width);
  writer.Add(kDimensions, Dimensions(rows));
  std::vector<std::size_t> dbcells;
  for (std::size_t first = 0; first < rows.size(); first += kRowsPerBlock)
    dbcells.push_back(WriteBlock(rows, first, writer));
  for (const Record& record : sheet.tail) writer.Add(record.type, record.Data());
  writer.Add(kEof, {});
  std::string& bytes = writer.Bytes();
  std::string dimensions = Dimensions(rows);  // the rows that hold cells
  PutU32(bytes, index + 8, GetU32(dimensions, 0));
  PutU32(bytes, index + 12, GetU32(dimensions, 4));
  PutU32(bytes, index + 16, static_cast<std::uint32_t>(default_width));
  for (std::size_t i = 0; i < dbcells.size(); ++i)
    PutU32(bytes, index + 20 + 4 * i, static_cast<std::uint32_t>(dbcells[i]));
}

std::uint32_t CountStringCells(const XlsSheetData& sheet) {
  std::uint32_t count = 0;
  for (const RowEntry& row : sheet.rows)
    for (const StoredCell& cell : row.second->cells) count += cell.type == StoredCell::kString;
  return count;
}

}  // namespace xls
