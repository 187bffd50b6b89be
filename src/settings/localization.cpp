#include "settings/localization.h"

#include <exception>
#include <utility>

#include "settings/dictionary.h"
#include "base/errors.h"
#include "base/number_text.h"
#include "settings/ports/ports.h"
#include "settings/units.h"

using namespace orv::base;

namespace orv::settings {

namespace {

constexpr const char* kLanguageValue = "Language";
constexpr const char* kRussianSystemName = "Русский (Россия)";

TDictionary dictionary;
int languageIndex = 0;

// Only 0 and 1 exist; any other stored number means Russian, the language
// IsEnglish already reports for it.
int Normalized(int index) { return index == 0 ? 0 : 1; }

// Without a stored choice the language taken from the system stays: a first
// start on a system in neither language is in English.
int StoredLanguageOrRussian() {
  std::optional<std::string> stored = GetSettingsStore().ReadString(kLanguageValue);
  if (!stored) return languageIndex;
  try {
    return Normalized(TextToInt(*stored));
  } catch (const OrvError&) {
    return 1;
  }
}

}  // namespace

void InitLocalization() {
  languageIndex = GetSystemLanguage().DefaultLanguageName() == kRussianSystemName ? 1 : 0;
  dictionary.Clear();
  ReadLanguageSetting();
  SetLanguage(languageIndex);
  ResetUnits();
  SetUnits(ReadUnitsSetting());
  RegisterText("Wait", "Wait...;Ждите...");
}

void FreeLocalization() { dictionary.Clear(); }

void RegisterText(const std::string& key, const std::string& text) { dictionary.Register(key, text); }

std::string LocalText(const std::string& key) { return dictionary.Part(key, languageIndex); }

std::string LocalTextWith(const std::string& key, const std::string& first, const std::string& second) {
  std::string text = LocalText(key);
  for (const auto& [mark, value] : {std::pair{"%1", &first}, std::pair{"%2", &second}}) {
    const std::size_t at = text.find(mark);
    if (at != std::string::npos) text.replace(at, 2, *value);
  }
  return text;
}

std::string TextIn(const std::string& key, int language) { return dictionary.Part(key, Normalized(language)); }

bool IsEnglish() { return languageIndex == 0; }

int LanguageIndex() { return languageIndex; }

std::size_t DictionaryCount() { return dictionary.Count(); }

void SetLanguage(int index) {
  SetLanguageForSession(index);
  GetSettingsStore().WriteString(kLanguageValue, IntToText(languageIndex));
}

void SetLanguageForSession(int index) { languageIndex = Normalized(index); }

int ReadLanguageSetting() {
  try {
    languageIndex = StoredLanguageOrRussian();
  } catch (const std::exception&) {
    // A setting that cannot be read keeps the language already chosen.
  }
  return languageIndex;
}

}  // namespace orv::settings
