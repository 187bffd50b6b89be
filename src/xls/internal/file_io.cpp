#include "xls/internal/file_io.h"

#include <cerrno>
#include <filesystem>

#include "base/atomic_file.h"
#include "base/errors.h"
#include "base/file_errors.h"
#include "base/file_open.h"
#include "xls/xls_error.h"

using namespace orv::base;

namespace xls {

namespace {

// Far above any template (a few hundred kilobytes), and a bound on the memory
// that opening a file can take.
constexpr std::uintmax_t kMostWorkbookBytes = 256 * kMebibyte;

}  // namespace

// The project's own whole-file reader and atomic writer do the work; the
// workbook reports their failures in its own words.

std::string ReadWorkbookFile(const std::string& path) {
  try {
    return ReadWholeFile(path, kMostWorkbookBytes);
  } catch (const OrvError&) {
    throw Error(kCannotOpenFile);
  }
}

// "Can not create a file "x": No space left on device".
void ReplaceWorkbookFile(const std::string& path, const std::string& bytes) {
  const std::string cannot = std::string(kCannotCreateFile) + " \"" + path + "\": ";
  if (PathFromUtf8(path).filename().empty()) throw Error(cannot + FileErrorReason(EISDIR));
  try {
    WriteFileAtomically(path, bytes);
  } catch (const FileWriteError& error) {
    throw Error(cannot + error.Reason());
  }
}

}  // namespace xls
