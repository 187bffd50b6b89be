#pragma once

#include "settings/ports/shell.h"

// Opens a document with its associated application through ShellExecuteW:
// the path is handed over as it is, never through a command line.
class Win32Shell : public orv::settings::Shell {
 public:
  void OpenDocument(const std::string& path) override;
};
