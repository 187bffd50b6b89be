#include <cmath>

#include "xls/internal/book.h"
#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls/internal/shared_formula.h"
#include "xls/internal/unicode_text.h"
#include "xls/internal/xls_string.h"
#include "xls/workbook.h"
#include "xls/xls_error.h"

namespace xls {

namespace {

constexpr std::size_t kMaxCellText = 32767;
constexpr std::uint16_t kNotANumber = 0xFFFF;
enum FormulaResult : std::uint8_t { kResultText = 0, kResultBoolean = 1, kResultError = 2 };

// Records of the cells the library keeps as read: the first is the cell's own.
struct KeptCell {
  std::uint16_t type = 0;
  std::string_view data;
  std::string_view string_record;  // a formula's cached text
};

KeptCell Inspect(const StoredCell& cell) {
  KeptCell kept;
  std::string_view bytes = *cell.records;
  kept.type = GetU16(bytes, 0);
  kept.data = bytes.substr(4, GetU16(bytes, 2));
  std::size_t next = 4 + kept.data.size();
  if (bytes.size() >= next + 4 && GetU16(bytes, next) == kString)
    kept.string_record =
        bytes.substr(next + 4, std::min<std::size_t>(GetU16(bytes, next + 2), bytes.size() - next - 4));
  return kept;
}

// A value written over a formula drops its cached text but keeps the array or
// table records that other cells may point at (a shared formula has moved on).
std::shared_ptr<const std::string> Trailer(const StoredCell& cell) {
  if (cell.type == StoredCell::kNumber || cell.type == StoredCell::kString) return cell.records;
  if (cell.type != StoredCell::kRecords) return nullptr;
  std::string_view bytes = *cell.records;
  std::string kept;
  for (std::size_t at = 4 + GetU16(bytes, 2); at + 4 <= bytes.size();) {
    std::size_t size = 4 + GetU16(bytes, at + 2);
    std::uint16_t type = GetU16(bytes, at);
    if (type == kArray || type == kTable) kept.append(bytes.substr(at, size));
    at += size;
  }
  return kept.empty() ? nullptr : std::make_shared<const std::string>(std::move(kept));
}

}  // namespace

void XlsCell::SetNumber(double value) {
  if (!std::isfinite(value)) throw Error("Invalid floating point operation");
  HandOverSharedFormula(*sheet_, row_, column_);
  StoredCell& cell = sheet_->MutableCell(row_, column_);
  cell.records = Trailer(cell);
  cell.type = StoredCell::kNumber;
  cell.number = value;
}

void XlsCell::SetInteger(std::int32_t value) { SetNumber(static_cast<double>(value)); }

void XlsCell::SetText(std::string_view utf8) {
  std::u16string text = Utf8ToUtf16(utf8);
  if (text.size() > kMaxCellText) throw Error("Text longer than 32767 characters");
  std::uint32_t index = sheet_->Book().strings.Add(text);
  HandOverSharedFormula(*sheet_, row_, column_);
  StoredCell& cell = sheet_->MutableCell(row_, column_);
  cell.records = Trailer(cell);
  cell.type = StoredCell::kString;
  cell.string = index;
}

XlsCellKind XlsCell::Kind() const {
  const StoredCell* cell = sheet_->FindCell(row_, column_);
  if (!cell || cell->type == StoredCell::kBlank) return XlsCellKind::Empty;
  if (cell->type == StoredCell::kNumber) return XlsCellKind::Number;
  if (cell->type == StoredCell::kString) return XlsCellKind::Text;
  KeptCell kept = Inspect(*cell);
  if (kept.type == kFormula) return XlsCellKind::Formula;
  if (kept.type == kRString) return XlsCellKind::Text;
  if (kept.type == kBoolErr && kept.data.size() >= 8 && kept.data[7]) return XlsCellKind::Error;
  return kept.type == kBoolErr ? XlsCellKind::Boolean : XlsCellKind::Empty;
}

double XlsCell::Number() const {
  const StoredCell* cell = sheet_->FindCell(row_, column_);
  if (!cell) return 0;
  if (cell->type == StoredCell::kNumber) return cell->number;
  if (cell->type != StoredCell::kRecords) return 0;
  KeptCell kept = Inspect(*cell);
  if (kept.type == kBoolErr && kept.data.size() >= 8 && !kept.data[7])
    return static_cast<std::uint8_t>(kept.data[6]);
  if (kept.type != kFormula || kept.data.size() < 14) return 0;
  if (GetU16(kept.data, 12) != kNotANumber) return ByteReader(kept.data.substr(6, 8), "").F64();
  return kept.data[6] == kResultBoolean ? static_cast<std::uint8_t>(kept.data[8]) : 0;
}

std::string XlsCell::Text() const {
  const StoredCell* cell = sheet_->FindCell(row_, column_);
  if (!cell) return {};
  if (cell->type == StoredCell::kString) return Utf16ToUtf8(sheet_->Book().strings.At(cell->string).text);
  if (cell->type != StoredCell::kRecords) return {};
  KeptCell kept = Inspect(*cell);
  try {
    if (kept.type == kRString && kept.data.size() > 6) {
      ByteReader in(kept.data.substr(6), "");
      return Utf16ToUtf8(ReadXlsString(in, false));
    }
    if (kept.type == kFormula && !kept.string_record.empty()) {
      ByteReader in(kept.string_record, "");
      return Utf16ToUtf8(ReadXlsString(in, false));
    }
  } catch (const Error&) {
    return {};  // a cut-off cached text reads as none; the cell itself is kept as it was
  }
  return {};
}

void XlsCell::SetFormatIndex(int xf) {
  if (xf < 0 || xf >= CountCellFormats(sheet_->Book()))
    throw Error("Cell format index out of range: " + std::to_string(xf));
  sheet_->MutableCell(row_, column_).format = static_cast<std::uint16_t>(xf);
}

int XlsCell::FormatIndex() const {
  const StoredCell* cell = sheet_->FindCell(row_, column_);
  return cell ? cell->format : 15;
}

}  // namespace xls
