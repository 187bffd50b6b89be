#include "platform/common/home_folder.h"

#include <cstdlib>
#include <vector>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace orv::platform {

namespace {

bool IsAbsolute(const std::optional<std::string>& folder) { return folder && folder->starts_with('/'); }

std::optional<std::string> AccountHomeFolder() {
#ifdef _WIN32
  return std::nullopt;
#else
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
      found->pw_dir == nullptr)
    return std::nullopt;
  return std::string(found->pw_dir);
#endif
}

}  // namespace

std::optional<std::string> ChooseHomeFolder(const std::optional<std::string>& variable,
                                            const std::optional<std::string>& account) {
  if (IsAbsolute(variable)) return variable;
  if (IsAbsolute(account)) return account;
  return std::nullopt;
}

std::optional<std::string> UserHomeFolder() {
  const char* variable = std::getenv("HOME");
  return ChooseHomeFolder(variable ? std::optional<std::string>(variable) : std::nullopt,
                          AccountHomeFolder());
}

}  // namespace orv::platform
