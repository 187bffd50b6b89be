#pragma once

#include <string>

namespace orv::settings {

// The name of the system's default language in its own wording,
// e.g. "Русский (Россия)" on a Russian system.
class SystemLanguage {
 public:
  virtual ~SystemLanguage() = default;
  virtual std::string DefaultLanguageName() = 0;
};

}  // namespace orv::settings
