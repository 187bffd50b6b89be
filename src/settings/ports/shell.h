#pragma once

#include <string>

namespace orv::settings {

// Opens a document with the application the system associates with it.
class Shell {
 public:
  virtual ~Shell() = default;
  // The result is not examined: a missing file or viewer is not reported.
  virtual void OpenDocument(const std::string& path) = 0;
  // As OpenDocument, but says whether the document could be opened: false
  // with `why` in the current language when the system could not. A shell
  // that cannot tell counts every opening as done.
  virtual bool TryOpenDocument(const std::string& path, std::string& why) {
    (void)why;
    OpenDocument(path);
    return true;
  }
};

}  // namespace orv::settings
