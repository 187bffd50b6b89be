#pragma once

#include "settings/ports/system_language.h"

namespace orv::platform {

// The user's default language as the start-up compares it: Russian in Russia
// is "Русский (Россия)", any other its name as the system spells it.
class Win32SystemLanguage : public settings::SystemLanguage {
 public:
  std::string DefaultLanguageName() override;
};

}  // namespace orv::platform
