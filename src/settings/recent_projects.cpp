#include "settings/recent_projects.h"

#include <algorithm>
#include <exception>

#include "settings/ports/ports.h"

namespace orv::settings {

namespace {

std::string ValueName(std::size_t index) { return "Recent" + std::to_string(index + 1); }

}  // namespace

std::vector<std::string> TRecentProjects::Read() {
  std::vector<std::string> paths;
  try {
    for (std::size_t index = 0; index < kLimit; ++index) {
      const std::optional<std::string> path = GetSettingsStore().ReadString(ValueName(index));
      if (path && !path->empty()) paths.push_back(*path);
    }
  } catch (const std::exception&) {
    // What could be read is still offered.
  }
  return paths;
}

void TRecentProjects::Add(const std::string& path) {
  std::vector<std::string> paths = Read();
  paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
  paths.insert(paths.begin(), path);
  if (paths.size() > kLimit) paths.resize(kLimit);
  Write(paths);
}

void TRecentProjects::Remove(const std::string& path) {
  std::vector<std::string> paths = Read();
  paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
  Write(paths);
}

void TRecentProjects::Write(const std::vector<std::string>& paths) {
  try {
    for (std::size_t index = 0; index < kLimit; ++index)
      GetSettingsStore().WriteString(ValueName(index), index < paths.size() ? paths[index] : std::string());
  } catch (const std::exception&) {
    // The list stays as the store has it.
  }
}

}  // namespace orv::settings
