#include "platform/qt_system_language.h"

#include "qt_text/qt_string.h"

using namespace orv::qt_text;

namespace orv::platform {

std::string LanguageNameOf(const QLocale& locale) {
  // Qt spells the Russian name in lower case ("русский"); the start-up
  // compares with the capitalised form, so this one is given exactly.
  if (locale.language() == QLocale::Russian && locale.territory() == QLocale::Russia) {
    return "Русский (Россия)";
  }
  QString name = locale.nativeLanguageName();
  const QString territory = locale.nativeTerritoryName();
  if (!territory.isEmpty()) name += " (" + territory + ")";
  return ToStdString(name);
}

std::string QtSystemLanguage::DefaultLanguageName() { return LanguageNameOf(QLocale::system()); }

}  // namespace orv::platform
