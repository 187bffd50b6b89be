#include "xls/internal/local_names.h"

#include <optional>
#include <string>

#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"

namespace xls {

namespace {

constexpr std::uint16_t kSelfReference = 0x0401;
constexpr std::size_t kNameFixedSize = 14;
constexpr std::size_t kReferenceSize = 6;  // of one sheet reference (XTI)

struct SheetReferences {
  int self_book = -1;
  std::size_t record = 0;  // index of EXTERNSHEET in the globals
  bool found = false;
};

SheetReferences FindReferences(const std::vector<Record>& globals) {
  SheetReferences found;
  int books = 0;
  for (std::size_t i = 0; i < globals.size(); ++i) {
    if (globals[i].type == kSupBook && globals[i].Data().size() >= 4) {
      if (GetU16(globals[i].Data(), 2) == kSelfReference) found.self_book = books;
      ++books;
    } else if (globals[i].type == kExternSheet && !found.found) {
      found.record = i;
      found.found = globals[i].Data().size() >= 2 &&
                    2 + kReferenceSize * GetU16(globals[i].Data(), 0) == globals[i].Data().size();
    }
  }
  return found;
}

bool IsSheet(std::string_view references, std::size_t index, int self_book, int sheet) {
  if (2 + kReferenceSize * (index + 1) > references.size()) return false;
  std::size_t at = 2 + kReferenceSize * index;
  return GetU16(references, at) == self_book && GetU16(references, at + 2) == sheet &&
         GetU16(references, at + 4) == sheet;
}

// The reference index of the target sheet, added when missing.
std::optional<std::uint16_t> ReferenceTo(Record& externsheet, int self_book, int sheet) {
  std::string data(externsheet.Data());
  std::uint16_t count = GetU16(data, 0);
  for (std::uint16_t i = 0; i < count; ++i)
    if (IsSheet(data, i, self_book, sheet)) return i;
  if (data.size() + kReferenceSize > kMaxRecordData) return std::nullopt;
  AppendU16(data, static_cast<std::uint16_t>(self_book));
  AppendU16(data, static_cast<std::uint16_t>(sheet));
  AppendU16(data, static_cast<std::uint16_t>(sheet));
  PutU16(data, 0, count + 1);
  externsheet = MakeRecord(kExternSheet, std::move(data));
  return count;
}

// Rewrites the 3-D references to the source sheet in a name's formula; false
// when the formula holds a token this does not understand.
bool Retarget(std::string& data, std::size_t at, std::size_t end, std::string_view references, int self_book,
              int source, std::uint16_t target) {
  while (at < end) {
    std::uint8_t token = static_cast<std::uint8_t>(data[at]);
    std::uint8_t base = token & 0x1F;
    std::size_t size = base == 0x1A ? 7 : base == 0x1B ? 11 : base == 0x09 ? 3 : token == 0x10 ? 1 : 0;
    if (size == 0 || at + size > end) return false;
    if ((base == 0x1A || base == 0x1B) && IsSheet(references, GetU16(data, at + 1), self_book, source))
      PutU16(data, at + 1, target);
    at += size;
  }
  return true;
}

std::optional<Record> CopiedName(const Record& name, std::string_view references, int self_book, int source,
                                 int target, std::uint16_t reference) {
  if (name.Data().size() < kNameFixedSize + 1 || GetU16(name.Data(), 8) != source + 1) return std::nullopt;
  std::string data(name.Data());
  std::size_t chars = static_cast<std::uint8_t>(data[3]);
  std::size_t formula = kNameFixedSize + 1 + chars * ((data[kNameFixedSize] & 0x01) ? 2 : 1);
  std::size_t end = formula + GetU16(data, 4);
  if (end > data.size()) return std::nullopt;
  if (!Retarget(data, formula, end, references, self_book, source, reference)) return std::nullopt;
  PutU16(data, 8, static_cast<std::uint16_t>(target + 1));
  return MakeRecord(kName, std::move(data));
}

}  // namespace

void CopyLocalNames(std::vector<Record>& globals, int source, int target) {
  SheetReferences references = FindReferences(globals);
  if (!references.found || references.self_book < 0) return;
  std::vector<Record> copies;
  std::size_t last_name = 0;
  Record externsheet = globals[references.record];
  std::optional<std::uint16_t> reference = ReferenceTo(externsheet, references.self_book, target);
  if (!reference) return;
  for (std::size_t i = 0; i < globals.size(); ++i) {
    if (globals[i].type != kName) continue;
    last_name = i;
    std::optional<Record> copy = CopiedName(globals[i], globals[references.record].Data(),
                                            references.self_book, source, target, *reference);
    if (copy) copies.push_back(*copy);
  }
  if (copies.empty()) return;
  globals[references.record] = externsheet;
  globals.insert(globals.begin() + last_name + 1, copies.begin(), copies.end());
}

}  // namespace xls
