#pragma once

#include <map>

#include "settings/ports/settings_store.h"

namespace orv::cli {

// The stored settings as the command line sees them: reads come from the
// user's store, writes stay in this run. So the start-up of the settings, the
// --lang and --units options and anything else that sets a value never change
// what the desktop program finds next time.
class SessionSettingsStore : public settings::SettingsStore {
 public:
  explicit SessionSettingsStore(settings::SettingsStore& stored);
  std::optional<std::string> ReadString(const std::string& name) override;
  void WriteString(const std::string& name, const std::string& value) override;

 private:
  settings::SettingsStore& stored_;
  std::map<std::string, std::string> written_;
};

}  // namespace orv::cli
