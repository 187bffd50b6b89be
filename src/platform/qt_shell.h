#pragma once

#include "settings/ports/shell.h"

namespace orv::platform {

// Hands a document to the application the desktop associates with it. The
// path travels as a file URL, never through a shell command line, so no
// character of it is interpreted.
class QtShell : public settings::Shell {
 public:
  void OpenDocument(const std::string& path) override;
  bool TryOpenDocument(const std::string& path, std::string& why) override;
};

}  // namespace orv::platform
