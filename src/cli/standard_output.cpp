#include "cli/standard_output.h"

#include <cerrno>
#include <iostream>

#include "base/errors.h"
#include "base/file_errors.h"
#include "settings/texts/file_texts.h"

using namespace orv::base;
using namespace orv::settings;

namespace orv::cli {

namespace {

// The two ways a script loses the output besides a full disk, in words: the
// system's numbers alone do not say that the output was closed.
std::string OutputFailure(int error) {
  if (error == EBADF) return FileText("Output_closed");
  if (error == EPIPE) return FileText("Output_reader_ended");
  return FileErrorMessage(error) + " (" + FileErrorReason(error) + ")";
}

}  // namespace

void WriteStandardOutput(const std::string& text) {
  errno = 0;
  std::cout << text;
  std::cout.flush();
  if (std::cout) return;
  const int error = errno ? errno : EIO;
  std::cout.clear();
  throw OrvError(FileText("Output_not_written", FileText("Standard_output"), OutputFailure(error)));
}

}  // namespace orv::cli
