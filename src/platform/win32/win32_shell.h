#pragma once

#include "settings/ports/shell.h"

namespace orv::platform {

// Opens a document with its associated application through ShellExecuteW:
// the path is handed over as it is, never through a command line.
class Win32Shell : public settings::Shell {
 public:
  void OpenDocument(const std::string& path) override;
};

}  // namespace orv::platform
