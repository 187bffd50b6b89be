#include "platform/win32/win32_system_language.h"

#include <windows.h>

#include "platform/common/wide_text.h"

namespace orv::platform {

std::string Win32SystemLanguage::DefaultLanguageName() {
  const LCID locale = GetUserDefaultLCID();
  // Newer systems spell the Russian name in lower case ("русский"); the
  // start-up compares with the capitalised form, so this one is given exactly.
  if (LANGIDFROMLCID(locale) == MAKELANGID(LANG_RUSSIAN, SUBLANG_RUSSIAN_RUSSIA)) return "Русский (Россия)";
  wchar_t name[LOCALE_NAME_MAX_LENGTH * 2] = {};
  const int length = GetLocaleInfoW(locale, LOCALE_SNATIVEDISPLAYNAME, name, LOCALE_NAME_MAX_LENGTH * 2);
  return length > 1 ? Utf8FromWide(std::wstring_view(name, static_cast<std::size_t>(length - 1)))
                    : std::string();
}

}  // namespace orv::platform
