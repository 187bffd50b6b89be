#include "xls/internal/file_io.h"

#include <filesystem>

#include "base/atomic_file.h"
#include "base/errors.h"
#include "base/file_open.h"
#include "xls/xls_error.h"

namespace xls {

namespace fs = std::filesystem;

// The project's own whole-file reader and atomic writer do the work; the
// workbook reports their failures in its own words.

std::string ReadWorkbookFile(const std::string& path) {
  std::error_code error;
  if (!fs::is_regular_file(PathFromUtf8(path), error)) throw Error(kCannotOpenFile);
  try {
    return ReadWholeFile(path);
  } catch (const OrvError&) {
    throw Error(kCannotOpenFile);
  }
}

void ReplaceWorkbookFile(const std::string& path, const std::string& bytes) {
  fs::path target = PathFromUtf8(path);
  std::error_code error;
  if (target.filename().empty() || fs::is_directory(target, error)) throw Error(kCannotCreateFile);
  try {
    WriteFileAtomically(path, bytes);
  } catch (const OrvError&) {
    throw Error(kCannotCreateFile);
  }
}

}  // namespace xls
