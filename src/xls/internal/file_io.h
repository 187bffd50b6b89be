#pragma once

#include <string>

namespace xls {

// Reads a whole file of at most 256 MiB; "Can not open a file (...)" when it
// cannot be read.
std::string ReadWorkbookFile(const std::string& path);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`
// only when complete; otherwise "Can not create a file "x": <reason>" and an
// existing file stays as it was.
void ReplaceWorkbookFile(const std::string& path, const std::string& bytes);

}  // namespace xls
