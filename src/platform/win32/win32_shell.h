#pragma once

#include <string>

#include "settings/ports/shell.h"

namespace orv::platform {

// Opens a document with its associated application through ShellExecuteW:
// the path is handed over as it is, never through a command line.
class Win32Shell : public settings::Shell {
 public:
  void OpenDocument(const std::string& path) override;
  // Says why from the code ShellExecuteW returns: no program set up for the
  // file's type, the file gone, access denied, or the code itself.
  bool TryOpenDocument(const std::string& path, std::string& why) override;
};

// The reason, in the current language, for a ShellExecuteW result of 32 or
// less; the desktop program's shell on Windows says the same.
std::string ShellOpenFailure(long long code);

}  // namespace orv::platform
