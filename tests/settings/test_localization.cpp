#include "settings/localization.h"

#include <gtest/gtest.h>

#include <optional>

#include "settings/manual.h"
#include "settings_fixture.h"

using namespace orv::settings;

namespace {

class Localization : public SettingsTest {};

struct StartCase {
  std::string systemLanguage;
  std::optional<std::string> stored;
  bool failReads;
  int language;
  std::string written;
};

TEST_F(Localization, StartUpLanguageFromTheStoredSettingWrittenBack) {
  const StartCase cases[] = {
      // A first start follows the system, and a system in neither language
      // starts in English.
      {"English (United States)", std::nullopt, false, 0, "0"},
      {"Deutsch (Deutschland)", std::nullopt, false, 0, "0"},
      {"Русский (Россия)", std::nullopt, false, 1, "1"},
      {"English (United States)", "0", false, 0, "0"},
      {"Русский (Россия)", "0", false, 0, "0"},
      {"English (United States)", "1", false, 1, "1"},
      {"English (United States)", "english", false, 1, "1"},
      {"English (United States)", "", false, 1, "1"},
      {"English (United States)", "7", false, 1, "1"},
      {"English (United States)", "0", true, 0, "0"},
      {"Русский (Россия)", "0", true, 1, "1"},
      {"Русский (Украина)", "0", true, 0, "0"},
  };
  for (const StartCase& c : cases) {
    system.name = c.systemLanguage;
    store.values.clear();
    if (c.stored) store.values["Language"] = *c.stored;
    store.failReads = c.failReads;
    InitLocalization();
    std::string context =
        c.systemLanguage + " / " + c.stored.value_or("(none)") + (c.failReads ? " / unreadable" : "");
    EXPECT_EQ(LanguageIndex(), c.language) << context;
    EXPECT_EQ(IsEnglish(), c.language == 0) << context;
    EXPECT_EQ(store.values["Language"], c.written) << context;
    EXPECT_EQ(LocalText("Wait"), c.language == 0 ? "Wait..." : "Ждите...") << context;
  }
}

TEST_F(Localization, StartUpStoresTheUnitsToo) {
  InitLocalization();
  EXPECT_EQ(store.values["Units"], "0");
  EXPECT_EQ(DictionaryCount(), 1u);
}

TEST_F(Localization, AWriteErrorSurfaces) {
  store.failWrites = true;
  EXPECT_ANY_THROW(InitLocalization());
  EXPECT_ANY_THROW(SetLanguage(0));
}

TEST_F(Localization, LookupIgnoresLetterCaseAndPicksTheLanguagesPart) {
  InitLocalization();
  RegisterText("quit_the_program", "Quit?;Выйти?");
  RegisterText("do", " ;до");
  RegisterText("Ice", "\r\nIce;\r\nГололед\r\n");
  RegisterText("Ключ", "key;ключ");
  const struct {
    std::string key;
    std::string english;
    std::string russian;
  } cases[] = {
      {"quit_the_program", "Quit?", "Выйти?"},
      {"QUIT_THE_PROGRAM", "Quit?", "Выйти?"},
      {"Quit_The_Program", "Quit?", "Выйти?"},
      {"do", " ", "до"},
      {"ice", "\r\nIce", "\r\nГололед\r\n"},
      {"КЛЮЧ", "key", "ключ"},
      {"never_registered", "", ""},
      {"", "", ""},
      {"quit_the_program ", "", ""},
  };
  for (const auto& c : cases) {
    SetLanguageForSession(0);
    EXPECT_EQ(LocalText(c.key), c.english) << c.key;
    SetLanguageForSession(1);
    EXPECT_EQ(LocalText(c.key), c.russian) << c.key;
  }
}

TEST_F(Localization, RegisteringAgainReplacesInPlace) {
  InitLocalization();
  SetLanguageForSession(0);
  RegisterText("Help", "Help;Помощь");
  RegisterText("Quit", "Quit;Выход");
  std::size_t count = DictionaryCount();
  RegisterText("HELP", "Manual;Справка");
  EXPECT_EQ(DictionaryCount(), count);
  EXPECT_EQ(LocalText("help"), "Manual");
  RegisterText("Help", "Help;Помощь");
  EXPECT_EQ(DictionaryCount(), count);
  EXPECT_EQ(LocalText("Help"), "Help");
}

// A key is held apart from its text, so "=" and ";" in a key cannot leak
// into what the lookup returns.
TEST_F(Localization, KeysWithSignsStayKeys) {
  InitLocalization();
  SetLanguageForSession(0);
  RegisterText("a=b", "first;первый");
  RegisterText("a", "second;второй");
  EXPECT_EQ(LocalText("a=b"), "first");
  EXPECT_EQ(LocalText("a"), "second");
}

TEST_F(Localization, SetLanguageStoresWhileTheSessionChoiceDoesNot) {
  InitLocalization();
  SetLanguage(0);
  EXPECT_EQ(store.values["Language"], "0");
  EXPECT_TRUE(IsEnglish());
  SetLanguageForSession(1);
  EXPECT_FALSE(IsEnglish());
  EXPECT_EQ(store.values["Language"], "0");
  SetLanguage(1);
  EXPECT_EQ(store.values["Language"], "1");
}

TEST_F(Localization, ReadLanguageSettingKeepsTheIndexWhenTheReadFails) {
  InitLocalization();
  SetLanguageForSession(0);
  store.failReads = true;
  EXPECT_EQ(ReadLanguageSetting(), 0);
  store.failReads = false;
  store.values["Language"] = "1";
  EXPECT_EQ(ReadLanguageSetting(), 1);
  EXPECT_EQ(LanguageIndex(), 1);
}

TEST_F(Localization, FreeLocalizationEmptiesTheDictionary) {
  InitLocalization();
  FreeLocalization();
  EXPECT_EQ(LocalText("Wait"), "");
  EXPECT_EQ(DictionaryCount(), 0u);
}

TEST_F(Localization, ManualOfTheCurrentLanguage) {
  InitLocalization();
  SetLanguageForSession(0);
  OpenManual("C:\\Program\\", "Orvhlp");
  SetLanguageForSession(1);
  OpenManual("/opt/orvane/", "Orvhlp");
  EXPECT_EQ(shell.opened,
            (std::vector<std::string>{"C:\\Program\\Orvhlp_en.pdf", "/opt/orvane/Orvhlp_ru.pdf"}));
}

}  // namespace
