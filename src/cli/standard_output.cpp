#include "cli/standard_output.h"

#include <cerrno>
#include <iostream>

#include "base/errors.h"
#include "base/file_errors.h"
#include "settings/texts/file_texts.h"

using namespace orv::base;
using namespace orv::settings;

namespace orv::cli {

void WriteStandardOutput(const std::string& text) {
  errno = 0;
  std::cout << text;
  std::cout.flush();
  if (std::cout) return;
  const int error = errno ? errno : EIO;
  std::cout.clear();
  throw OrvError(FileText("Output_not_written", FileText("Standard_output"),
                          FileErrorMessage(error) + " (" + FileErrorReason(error) + ")"));
}

}  // namespace orv::cli
