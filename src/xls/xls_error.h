#pragma once

#include <stdexcept>

namespace xls {

// Every failure of the library throws Error; its message is the text the user
// sees. Callers outside the library turn it into their own error type.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The library's messages that callers and users see.
inline constexpr const char* kCannotOpenFile =
    "Can not open a file (probably it is already opened or does not exist)";
inline constexpr const char* kNoWorkbookStream =
    "Stream not found: Workbook. File format is not Excel 97 or higher.";
inline constexpr const char* kInvalidSheetName = "Invalid or duplicated sheet name.";
inline constexpr const char* kSheetNameLength = "Sheet name must have a length 1..255.";
inline constexpr const char* kCannotCreateFile = "Can not create a file";

}  // namespace xls
