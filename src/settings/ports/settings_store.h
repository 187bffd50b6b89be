#pragma once

#include <optional>
#include <string>

namespace orv::settings {

// Per-user string values under "Software\Mirvex\Quorin", subkey "Param".
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // nullopt when the value is missing; throws when it exists but cannot be read.
  virtual std::optional<std::string> ReadString(const std::string& name) = 0;
  // Throws when the value cannot be written.
  virtual void WriteString(const std::string& name, const std::string& value) = 0;
};

}  // namespace orv::settings
