#include "xls/sheet_name.h"

#include "base/errors.h"
#include "xls/unicode_text.h"
#include "xls/xls_errors.h"

namespace {

constexpr std::size_t kExcelLimit = 31;
constexpr std::size_t kStoredLimit = 255;

}  // namespace

std::u16string CheckSheetName(std::string_view utf8) {
  std::u16string name;
  try {
    name = Utf8ToUtf16(utf8);
  } catch (const OrvError&) {
    throw OrvError(kInvalidSheetName);
  }
  if (name.empty() || name.size() > kStoredLimit) throw OrvError(kSheetNameLength);
  if (name.size() > kExcelLimit) throw OrvError(kInvalidSheetName);
  if (name.find_first_of(u":\\/?*[]") != std::u16string::npos) throw OrvError(kInvalidSheetName);
  if (name.front() == u'\'' || name.back() == u'\'') throw OrvError(kInvalidSheetName);
  return name;
}
