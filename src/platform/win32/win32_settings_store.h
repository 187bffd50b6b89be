#pragma once

#include <string>

#include "settings/ports/settings_store.h"

namespace orv::platform {

// The per-user settings as string values (REG_SZ) in the registry key
// HKEY_CURRENT_USER\Software\Mirvex\Quorin\Param.
class Win32SettingsStore : public settings::SettingsStore {
 public:
  // `key` below HKEY_CURRENT_USER; tests use a key of their own.
  explicit Win32SettingsStore(std::wstring key = L"Software\\Mirvex\\Quorin\\Param");
  // Throws OrvError when the value exists but is not a string or cannot be read.
  std::optional<std::string> ReadString(const std::string& name) override;
  // Creates the key when missing; throws OrvError when that or the write fails.
  void WriteString(const std::string& name, const std::string& value) override;

 private:
  std::wstring key_;
};

}  // namespace orv::platform
