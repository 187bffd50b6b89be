#include "base/file_identity.h"

#include "base/file_open.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orv::base {

namespace fs = std::filesystem;

bool SameFile(const std::string& first, const std::string& second) {
  std::error_code error;
  const bool same = fs::equivalent(PathFromUtf8(first), PathFromUtf8(second), error);
  return !error && same;
}

bool IsProtectedLink(const fs::path& link) {
#ifdef _WIN32
  (void)link;
  return false;
#else
  // As the system's protected-links rule: in a sticky folder anyone may
  // write, a link is followed only when it belongs to the user or to the
  // folder's owner; any other user could have planted it there.
  const fs::path folder = link.parent_path().empty() ? fs::path(".") : link.parent_path();
  struct stat linkStatus = {};
  struct stat folderStatus = {};
  if (lstat(link.c_str(), &linkStatus) != 0 || stat(folder.c_str(), &folderStatus) != 0) return false;
  const bool shared = (folderStatus.st_mode & S_ISVTX) != 0 && (folderStatus.st_mode & S_IWOTH) != 0;
  return shared && linkStatus.st_uid != geteuid() && linkStatus.st_uid != folderStatus.st_uid;
#endif
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
    if (IsProtectedLink(current)) {
      error = std::make_error_code(std::errc::permission_denied);
      return current;
    }
    const fs::path next = fs::read_symlink(current, error);
    if (error) return current;
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return current;
}

}  // namespace orv::base
