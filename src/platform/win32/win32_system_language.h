#pragma once

#include "settings/ports/system_language.h"

// The user's default language as the start-up compares it: Russian in Russia
// is "Русский (Россия)", any other its name as the system spells it.
class Win32SystemLanguage : public orv::settings::SystemLanguage {
 public:
  std::string DefaultLanguageName() override;
};
