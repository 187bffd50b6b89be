#pragma once

// The library's messages that callers and users see.
inline constexpr const char* kCannotOpenFile = "Can not open a file (probably it is already opened or does not exist)";
inline constexpr const char* kNoWorkbookStream = "Stream not found: Workbook. File format is not Excel 97 or higher.";
inline constexpr const char* kInvalidSheetName = "Invalid or duplicated sheet name.";
inline constexpr const char* kSheetNameLength = "Sheet name must have a length 1..255.";
inline constexpr const char* kCannotCreateFile = "Can not create a file";
