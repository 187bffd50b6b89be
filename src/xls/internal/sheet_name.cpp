#include "xls/internal/sheet_name.h"

#include "xls/internal/unicode_text.h"
#include "xls/xls_error.h"

namespace xls {

namespace {

constexpr std::size_t kExcelLimit = 31;
constexpr std::size_t kStoredLimit = 255;

}  // namespace

std::u16string CheckSheetName(std::string_view utf8) {
  std::u16string name;
  try {
    name = Utf8ToUtf16(utf8);
  } catch (const Error&) {
    throw Error(kInvalidSheetName);
  }
  if (name.empty() || name.size() > kStoredLimit) throw Error(kSheetNameLength);
  if (name.size() > kExcelLimit) throw Error(kInvalidSheetName);
  if (name.find_first_of(u":\\/?*[]") != std::u16string::npos) throw Error(kInvalidSheetName);
  if (name.front() == u'\'' || name.back() == u'\'') throw Error(kInvalidSheetName);
  return name;
}

}  // namespace xls
