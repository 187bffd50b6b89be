#pragma once

#include <string>
#include <string_view>

#include "xls/xls_error.h"

namespace xls {

// UTF-8 (the interface) to UTF-16 (the file) and back. Text that is not valid
// UTF-8 throws Error rather than being replaced without notice.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Upper case of a UTF-16 text for comparisons that ignore letter case: Latin,
// Greek and Cyrillic letters, so "опора" and "ОПОРА" compare equal.
std::u16string FoldCase(std::u16string_view text);

}  // namespace xls
