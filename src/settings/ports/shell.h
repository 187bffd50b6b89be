#pragma once

#include <string>

// Opens a document with the application the system associates with it.
// The result is not examined: a missing file or viewer is not reported.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual void OpenDocument(const std::string& path) = 0;
};
