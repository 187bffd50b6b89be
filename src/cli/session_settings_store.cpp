#include "cli/session_settings_store.h"

using namespace orv::settings;

namespace orv::cli {

SessionSettingsStore::SessionSettingsStore(SettingsStore& stored) : stored_(stored) {}

std::optional<std::string> SessionSettingsStore::ReadString(const std::string& name) {
  auto it = written_.find(name);
  if (it != written_.end()) return it->second;
  return stored_.ReadString(name);
}

void SessionSettingsStore::WriteString(const std::string& name, const std::string& value) {
  written_[name] = value;
}

}  // namespace orv::cli
