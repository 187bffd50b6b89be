#pragma once

#include <string>
#include <vector>

namespace orv::settings {

// The projects opened or saved most recently, newest first, kept in the
// settings store with the other settings as the values "Recent1" to
// "Recent8". A store that cannot be read or written gives an empty list or
// keeps the old one: the list is a convenience, never a reason to fail.
class TRecentProjects {
 public:
  static constexpr std::size_t kLimit = 8;

  // The stored list; empty values are skipped.
  static std::vector<std::string> Read();
  // Puts `path` first; an equal path further down goes, the oldest beyond
  // the limit too.
  static void Add(const std::string& path);
  static void Remove(const std::string& path);

 private:
  static void Write(const std::vector<std::string>& paths);
};

}  // namespace orv::settings
