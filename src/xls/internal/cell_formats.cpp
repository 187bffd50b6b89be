#include <algorithm>

#include "xls/internal/book.h"
#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls/internal/unicode_text.h"
#include "xls/internal/xls_string.h"
#include "xls/workbook.h"
#include "xls/xls_error.h"

namespace xls {

namespace {

constexpr std::size_t kDefaultCellXf = 15;
constexpr std::size_t kXfSize = 20;
constexpr std::size_t kMaxXfCount = 4050;  // what Excel accepts in a BIFF8 file
constexpr std::uint8_t kWrapText = 0x08;
// A cell XF flags the attributes it sets itself rather than taking from its style.
constexpr std::uint8_t kOwnNumberFormat = 0x04;
constexpr std::uint8_t kOwnAlignment = 0x10;

bool SameFormat(const Record& record, std::u16string_view text) {
  try {
    ByteReader in(record.Data().substr(2), "");
    return ReadXlsString(in, false) == text;
  } catch (const Error&) {
    return false;  // a damaged FORMAT is kept as read and never reused
  }
}

// The index of the number format `text`: General, or a FORMAT record with that
// text, added after the others (they must precede the XF records) when missing.
std::uint16_t NumberFormat(std::vector<Record>& globals, std::u16string_view text) {
  if (text == u"General") return 0;
  std::uint16_t next = kFirstUserFormat;
  auto insert_at =
      std::find_if(globals.begin(), globals.end(), [](const Record& r) { return r.type == kXf; });
  for (auto it = globals.begin(); it != globals.end(); ++it) {
    if (it->type != kFormat || it->Data().size() < 2) continue;
    std::uint16_t index = GetU16(it->Data(), 0);
    if (SameFormat(*it, text)) return index;
    next = std::max<std::uint16_t>(next, index + 1);
    insert_at = it + 1;
  }
  std::string data;
  AppendU16(data, next);
  AppendXlsString(data, text, false);
  globals.insert(insert_at, MakeRecord(kFormat, std::move(data)));
  return next;
}

std::vector<std::size_t> XfPositions(const std::vector<Record>& globals) {
  std::vector<std::size_t> positions;
  for (std::size_t i = 0; i < globals.size(); ++i)
    if (globals[i].type == kXf) positions.push_back(i);
  return positions;
}

}  // namespace

int XlsWorkbook::NumberFormatIndex(std::string_view format, bool wrap_text) {
  std::vector<Record>& globals = book_->globals;
  std::uint16_t number_format = NumberFormat(globals, Utf8ToUtf16(format));
  std::vector<std::size_t> xfs = XfPositions(globals);
  if (xfs.size() <= kDefaultCellXf || globals[xfs[kDefaultCellXf]].Data().size() < kXfSize)
    throw Error("Invalid workbook: no default cell format");
  std::string wanted(globals[xfs[kDefaultCellXf]].Data());
  PutU16(wanted, 2, number_format);
  wanted[6] = static_cast<char>(wrap_text ? wanted[6] | kWrapText : wanted[6] & ~kWrapText);
  wanted[9] = static_cast<char>(wanted[9] | kOwnNumberFormat | kOwnAlignment);
  for (std::size_t i = kDefaultCellXf + 1; i < xfs.size(); ++i)
    if (globals[xfs[i]].Data() == wanted) return static_cast<int>(i);
  if (xfs.size() >= kMaxXfCount) throw Error("Too many cell formats");
  globals.insert(globals.begin() + static_cast<std::ptrdiff_t>(xfs.back() + 1),
                 MakeRecord(kXf, std::move(wanted)));
  return static_cast<int>(xfs.size());
}

int CountCellFormats(const XlsBook& book) { return static_cast<int>(XfPositions(book.globals).size()); }

}  // namespace xls
