#pragma once

#include <QLocale>

#include "settings/ports/system_language.h"

namespace orv::platform {

// The system's default language as the start-up compares it: Russian in
// Russia is "Русский (Россия)", any other locale its native language name
// followed by its native territory name in brackets.
class QtSystemLanguage : public settings::SystemLanguage {
 public:
  std::string DefaultLanguageName() override;
};

std::string LanguageNameOf(const QLocale& locale);

}  // namespace orv::platform
