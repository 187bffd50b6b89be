#pragma once

#include "settings/ports/settings_store.h"

namespace orv::platform {

// The per-user settings of the desktop program: QSettings in the native
// format, organisation "Mirvex", application "Quorin", group "Param". On
// Windows that is the registry key "Software\Mirvex\Quorin\Param" with
// string values; elsewhere ~/.config/Mirvex/Quorin.conf.
class QtSettingsStore : public settings::SettingsStore {
 public:
  // Throws OrvError when the value exists but is not a string, or when the
  // settings cannot be read.
  std::optional<std::string> ReadString(const std::string& name) override;
  // Throws OrvError when the value cannot be written.
  void WriteString(const std::string& name, const std::string& value) override;
};

}  // namespace orv::platform
