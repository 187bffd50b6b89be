#include "base/file_identity.h"

#include "base/file_open.h"

namespace orv::base {

namespace fs = std::filesystem;

bool SameFile(const std::string& first, const std::string& second) {
  std::error_code error;
  const bool same = fs::equivalent(PathFromUtf8(first), PathFromUtf8(second), error);
  return !error && same;
}

fs::path FollowLinks(const fs::path& path, std::error_code& error) {
  constexpr int kMostLinks = 40;  // as the system counts before it gives up
  error.clear();
  fs::path current = path;
  std::error_code missing;  // a path that is not there is no link; writing it says more
  for (int links = 0; fs::is_symlink(fs::symlink_status(current, missing)); ++links) {
    if (links == kMostLinks) {
      error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
      return current;
    }
    const fs::path next = fs::read_symlink(current, error);
    if (error) return current;
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return current;
}

}  // namespace orv::base
