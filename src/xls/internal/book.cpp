#include "xls/internal/book.h"

#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls/internal/sheet_name.h"
#include "xls/internal/unicode_text.h"
#include "xls/xls_error.h"

namespace xls {

namespace {

constexpr std::uint16_t kWindow1 = 0x003D;
constexpr std::uint16_t kSelfReference = 0x0401;
constexpr std::uint16_t kFirstSpecialSheet = 0xFFFE;

// NAME keeps its sheet as index + 1 (0: the whole workbook).
Record ShiftName(const Record& record, int position) {
  if (record.Data().size() < 10 || GetU16(record.Data(), 8) <= position) return record;
  std::string data(record.Data());
  PutU16(data, 8, GetU16(data, 8) + 1);
  return MakeRecord(record.type, std::move(data));
}

Record ShiftExternSheet(const Record& record, int position, int self_book) {
  std::string data(record.Data());
  if (data.size() < 2 || self_book < 0) return record;
  std::size_t count = GetU16(data, 0);
  bool changed = false;
  for (std::size_t i = 0; i < count && 2 + 6 * i + 6 <= data.size(); ++i) {
    std::size_t at = 2 + 6 * i;
    if (GetU16(data, at) != self_book) continue;
    for (std::size_t field : {at + 2, at + 4}) {
      std::uint16_t sheet = GetU16(data, field);
      if (sheet >= kFirstSpecialSheet || sheet < position) continue;
      PutU16(data, field, sheet + 1);
      changed = true;
    }
  }
  return changed ? MakeRecord(record.type, std::move(data)) : record;
}

}  // namespace

XlsSheetData& XlsBook::SheetAt(int index) const {
  if (index < 0 || index >= static_cast<int>(sheets.size()))
    throw Error("Sheet index out of range: " + std::to_string(index));
  return *sheets[index];
}

void XlsBook::IndexNames() {
  names_.clear();
  for (const auto& sheet : sheets) ++names_[FoldCase(sheet->name)];
}

std::u16string XlsBook::CheckName(std::string_view name, const XlsSheetData* except) const {
  std::u16string checked = CheckSheetName(name);
  std::u16string folded = FoldCase(checked);
  auto found = names_.find(folded);
  bool own = except && FoldCase(except->name) == folded;
  if (found != names_.end() && found->second > (own ? 1 : 0)) throw Error(kInvalidSheetName);
  return checked;
}

void XlsBook::Rename(XlsSheetData& sheet, std::u16string name) {
  auto old = names_.find(FoldCase(sheet.name));
  if (old != names_.end() && --old->second == 0) names_.erase(old);
  sheet.name = std::move(name);
  ++names_[FoldCase(sheet.name)];
}

void XlsBook::Insert(std::unique_ptr<XlsSheetData> sheet, int position) {
  ++names_[FoldCase(sheet->name)];
  sheets.insert(sheets.begin() + position, std::move(sheet));
  ShiftSheetReferences(position);
}

// Defined names, external sheet references and the active tab count sheets
// by position; a sheet inserted before them moves them one place back.
void XlsBook::ShiftSheetReferences(int position) {
  int books = 0;
  int self_book = -1;
  for (Record& record : globals) {
    if (record.type == kSupBook && record.Data().size() >= 4) {
      if (GetU16(record.Data(), 2) == kSelfReference) {
        self_book = books;
        std::string data(record.Data());
        PutU16(data, 0, static_cast<std::uint16_t>(sheets.size()));
        record = MakeRecord(record.type, std::move(data));
      }
      ++books;
    } else if (record.type == kName) {
      record = ShiftName(record, position);
    } else if (record.type == kExternSheet) {
      record = ShiftExternSheet(record, position, self_book);
    } else if (record.type == kWindow1 && record.Data().size() >= 12) {
      std::uint16_t active = GetU16(record.Data(), 10);
      if (active < position || active + 1u >= sheets.size()) continue;
      std::string data(record.Data());
      PutU16(data, 10, active + 1);
      record = MakeRecord(record.type, std::move(data));
    }
  }
}

}  // namespace xls
