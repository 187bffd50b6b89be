#include "xls/internal/sheet_reader.h"

#include <algorithm>
#include <bit>
#include <map>

#include "base/text_excerpt.h"
#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls/internal/unicode_text.h"
#include "xls/internal/xls_string.h"
#include "xls/xls_error.h"

using namespace orv::base;

namespace xls {

namespace {

std::string RecordBytes(const Record& record) {
  std::string out;
  AppendU16(out, record.type);
  AppendU16(out, static_cast<std::uint16_t>(record.Data().size()));
  out.append(record.Data());
  return out;
}

double DecodeRk(std::uint32_t rk) {
  double value;
  if (rk & 0x02) {
    value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
  } else {
    std::uint64_t bits = std::uint64_t{rk & 0xFFFFFFFC} << 32;
    value = std::bit_cast<double>(bits);
  }
  return (rk & 0x01) ? value / 100 : value;
}

class SheetReader {
 public:
  SheetReader(XlsSheetData& sheet, SharedStrings& strings, std::size_t styles)
      : sheet_(sheet),
        strings_(strings),
        styles_(styles),
        context_("Invalid workbook: sheet '" + TextExcerpt(Utf16ToUtf8(sheet.name)) + "'") {}

  void Take(const Record& record);
  bool Done() const { return done_; }
  void Finish();

 private:
  enum Stage { kHead, kMiddle, kCells, kTail };

  void Keep(const Record& record);
  void TakeCell(const Record& record);
  void TakeColumns(const Record& record);
  StoredCell& NewCell(ByteReader& in, std::uint16_t row, std::uint16_t column);
  void Attach(const Record& record);
  [[noreturn]] void Fail(const std::string& what) const { throw Error(context_ + ": " + what); }
  // The place is named only when the style is wrong: the check runs on
  // every cell of the workbook.
  bool StyleKnown(std::uint16_t style) const { return style < styles_; }
  [[noreturn]] void FailStyle(std::uint16_t style, const std::string& where) const;

  XlsSheetData& sheet_;
  SharedStrings& strings_;
  std::size_t styles_;
  std::string context_;
  Stage stage_ = kHead;
  int depth_ = 0;
  bool done_ = false;
  std::map<std::uint16_t, RowData> rows_;
  StoredCell* last_ = nullptr;
  std::uint16_t last_row_ = 0;
};

void SheetReader::Take(const Record& record) {
  if (depth_ > 0) {
    sheet_.tail.push_back(record);
    if (record.type == kBof) ++depth_;
    if (record.type == kEof) --depth_;
    return;
  }
  switch (record.type) {
    case kEof:
      done_ = true;
      return;
    case kIndex:
    case kDbCell:
      return;
    case kColInfo:
      TakeColumns(record);
      return;
    case kDimensions:
      stage_ = std::max(stage_, kMiddle);
      return;
    case kRow: {
      ByteReader in(record.Data(), context_ + " ROW");
      std::uint16_t row = in.U16();
      in.Skip(10);
      const std::uint16_t flags = in.U16();
      const std::uint16_t style = in.U16() & 0x0FFF;
      if ((flags & 0x0080) && !StyleKnown(style))
        FailStyle(style, "ROW record of row " + std::to_string(row + 1));
      rows_[row].record = std::string(record.Data());
      stage_ = std::max(stage_, kCells);
      return;
    }
    case kBlank:
    case kMulBlank:
    case kNumber:
    case kRk:
    case kMulRk:
    case kLabelSst:
    case kLabel:
    case kBoolErr:
    case kFormula:
    case kRString:
      TakeCell(record);
      return;
    case kString:
    case kShrFmla:
    case kArray:
    case kTable:
      Attach(record);
      return;
    case kBof:
      depth_ = 1;
      stage_ = kTail;
      Keep(record);
      return;
    default:
      Keep(record);
  }
}

void SheetReader::Keep(const Record& record) {
  last_ = nullptr;
  if (stage_ == kCells) stage_ = kTail;
  (stage_ == kHead ? sheet_.head : stage_ == kMiddle ? sheet_.middle : sheet_.tail).push_back(record);
}

void SheetReader::Attach(const Record& record) {
  if (!last_ || last_->type != StoredCell::kRecords) {
    Keep(record);
    return;
  }
  last_->records = std::make_shared<const std::string>(*last_->records + RecordBytes(record));
}

void SheetReader::TakeColumns(const Record& record) {
  ByteReader in(record.Data(), context_ + " COLINFO");
  std::uint16_t first = in.U16();
  std::uint16_t last = std::min<std::uint16_t>(in.U16(), 255);
  ColumnInfo info{true, in.U16(), in.U16(), in.U16()};
  info.format &= 0x0FFF;
  if (!StyleKnown(info.format))
    FailStyle(info.format, "COLINFO record of column " + std::to_string(first + 1));
  for (int column = first; column <= last; ++column) sheet_.columns[column] = info;
  if (stage_ == kHead) stage_ = kMiddle;
}

StoredCell& SheetReader::NewCell(ByteReader& in, std::uint16_t row, std::uint16_t column) {
  if (column > 255) Fail("column " + std::to_string(column) + " is out of range");
  std::vector<StoredCell>& cells = rows_[row].cells;
  cells.emplace_back();
  cells.back().column = column;
  cells.back().format = in.U16();
  if (!StyleKnown(cells.back().format))
    FailStyle(cells.back().format,
              "cell record at row " + std::to_string(row + 1) + ", column " + std::to_string(column + 1));
  last_ = &cells.back();
  last_row_ = row;
  return cells.back();
}

void SheetReader::TakeCell(const Record& record) {
  ByteReader in(record.Data(), context_ + " cell record");
  std::uint16_t row = in.U16();
  std::uint16_t column = in.U16();
  if (stage_ < kCells) stage_ = kCells;
  if (record.type == kMulBlank || record.type == kMulRk) {
    std::size_t width = record.type == kMulRk ? 6 : 2;
    if (in.Left() < 2 || (in.Left() - 2) % width != 0) Fail("run of cells has a wrong size");
    std::size_t count = (in.Left() - 2) / width;
    for (std::size_t i = 0; i < count; ++i) {
      StoredCell& cell = NewCell(in, row, static_cast<std::uint16_t>(column + i));
      if (record.type == kMulRk) {
        cell.type = StoredCell::kNumber;
        cell.number = DecodeRk(in.U32());
      }
    }
    last_ = nullptr;
    return;
  }
  StoredCell& cell = NewCell(in, row, column);
  switch (record.type) {
    case kBlank:
      break;
    case kNumber:
      cell.type = StoredCell::kNumber;
      cell.number = in.F64();
      break;
    case kRk:
      cell.type = StoredCell::kNumber;
      cell.number = DecodeRk(in.U32());
      break;
    case kLabelSst:
      cell.type = StoredCell::kString;
      cell.string = in.U32();
      if (cell.string >= strings_.Size())
        Fail("string index " + std::to_string(cell.string) + " is out of range");
      break;
    case kLabel:
      cell.type = StoredCell::kString;
      cell.string = strings_.Add(ReadXlsString(in, false));
      break;
    default:
      cell.type = StoredCell::kRecords;
      cell.records = std::make_shared<const std::string>(RecordBytes(record));
  }
}

void SheetReader::FailStyle(std::uint16_t style, const std::string& where) const {
  Fail(where + " names cell style " + std::to_string(style) + ", but the workbook has " +
       std::to_string(styles_));
}

void SheetReader::Finish() {
  if (depth_ > 0 || !done_) Fail("has no end");
  sheet_.rows.reserve(rows_.size());
  for (auto& [index, row] : rows_) {
    // A later record for the same cell replaces an earlier one.
    std::stable_sort(row.cells.begin(), row.cells.end(),
                     [](const StoredCell& a, const StoredCell& b) { return a.column < b.column; });
    auto last = std::unique(row.cells.rbegin(), row.cells.rend(),
                            [](const StoredCell& a, const StoredCell& b) { return a.column == b.column; });
    row.cells.erase(row.cells.begin(), last.base());
    sheet_.rows.emplace_back(index, std::make_shared<const RowData>(std::move(row)));
  }
}

}  // namespace

std::size_t ReadSheet(XlsSheetData& sheet, std::string_view stream, std::size_t offset,
                      SharedStrings& strings, std::size_t styles) {
  RecordCursor cursor(stream, offset);
  std::string context = "Invalid workbook: sheet '" + TextExcerpt(Utf16ToUtf8(sheet.name)) + "'";
  if (offset >= stream.size() || cursor.PeekType() != kBof)
    throw Error(context + " does not start where the workbook says");
  sheet.bof = cursor.Next();
  SheetReader reader(sheet, strings, styles);
  while (!reader.Done()) {
    if (cursor.AtEnd()) throw Error(context + " has no end");
    reader.Take(cursor.Next());
  }
  reader.Finish();
  return cursor.Pos();
}

}  // namespace xls
