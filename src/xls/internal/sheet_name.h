#pragma once

#include <string>
#include <string_view>

namespace xls {

// A sheet name as Excel accepts it: 1..31 characters, none of : \ / ? * [ ],
// no apostrophe at either end. Returns the name in UTF-16; throws
// "Sheet name must have a length 1..255." or "Invalid or duplicated sheet name.".
// Uniqueness is the workbook's to check.
std::u16string CheckSheetName(std::string_view utf8);

}  // namespace xls
