// Start-up and shut-down of the desktop program around the main window: the
// dictionary complete before the windows exist and left alone by them, the
// catalogue started and saved, the error guard of the commands and the
// last-resort message.

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "project/catalogue/wire_catalog.h"
#include "project/catalogue/wire_catalog_record.h"
#include "base/errors.h"
#include "settings/localization.h"
#include "test_main_window_fixture.h"
#include "ui/app/command_guard.h"
#include "ui/app/program_error_text.h"
#include "ui/app/start_up_guard.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::ui;

namespace {

TWireRecord Wire(const std::string& name, double diameter) {
  TWireRecord wire;
  wire.WireName = name;
  wire.WireGroup = 1;
  wire.WireDiameter = diameter;
  wire.WireArea = 79.3;
  wire.WireWeight = 0.276;
  wire.WireModulus = 8250;
  wire.WireExpansion = 19.2e-6;
  return wire;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

TEST_F(MainWindowTest, EveryWindowsEntriesExistOnceTheProgramHasStarted) {
  // One key of each group, in the order they are registered.
  for (const char* key : {"Wait", "Project", "Support", "Ice", "Climaticparameter", "Tension_daN",
                          "Number_support", "Mess_13", "Add_Edit", "delete_wire"}) {
    EXPECT_FALSE(LocalText(key).empty()) << key;
  }
  // The support editor's table comes after the general vocabulary, so its
  // one-line captions are the ones in force.
  for (const char* key : {"Max_perm_tens", "Tension_aver_temp", "Max_stress", "Stress_aver_temp"}) {
    EXPECT_EQ(LocalText(key).find('\n'), std::string::npos) << key;
  }
}

TEST_F(MainWindowTest, WindowsRegisterNoTextsOfTheirOwn) {
  // What the dictionary holds must not depend on which windows were built.
  StopWindows();
  InitLocalization();
  const std::size_t atStartUp = DictionaryCount();
  TWorkspace workspace;
  TDesktopWindows windows(workspace);
  EXPECT_EQ(DictionaryCount(), atStartUp);
}

TEST_F(MainWindowTest, StartUpCopiesAndLoadsTheShippedCatalogue) {
  StopWindows();
  WriteBytes(folders.programFolder + TWireCatalog::kFileName,
             EncodeWireRecords({Wire("AC 95/16", 13.5), Wire("AC 70/11", 11.4)}));
  Start(0);

  EXPECT_TRUE(std::filesystem::exists(folders.sharedDataFolder + TWireCatalog::kFileName));
  ASSERT_EQ(Catalogue().List().Count(), 2);
  EXPECT_EQ(Catalogue().List().Items(0).WireName, "AC 70/11") << "sorted by name at start-up";
}

TEST_F(MainWindowTest, ClosingSavesAChangedCatalogueAndReleasesTheDictionary) {
  Catalogue().Add(Wire("AC 120/19", 15.2));
  Main().close();
  ProcessEvents();

  const std::string saved = folders.sharedDataFolder + TWireCatalog::kFileName;
  ASSERT_TRUE(std::filesystem::exists(saved));
  TWiresList reread;
  reread.LoadFromFile(saved);
  EXPECT_GE(reread.IndexOf("AC 120/19"), 0);
  EXPECT_FALSE(Catalogue().IsModified());
  EXPECT_TRUE(LocalText("Project").empty()) << "the dictionary is released at closing";
}

TEST(CommandGuard, ShowsAnEscapingErrorAsTheDefaultErrorReport) {
  const struct {
    const char* name;
    std::function<void()> command;
    std::vector<std::string> shown;
  } cases[] = {
      {"OrvError", [] { throw OrvError("File not found"); }, {"File not found"}},
      {"FloatingPoint", [] { throw FloatingPointError(kDivisionByZero); }, {kDivisionByZero}},
      {"Standard", [] { throw std::runtime_error("I/O error 5"); }, {"I/O error 5"}},
      {"NotAnException", [] { throw 42; }, {"Unknown error"}},
      {"NoError", [] {}, {}},
  };
  for (const auto& c : cases) {
    RecordingMessages messages;
    SetMessages(&messages);
    RunGuarded(c.command);
    ResetPorts();
    std::vector<std::string> shown;
    for (const RecordedMessage& message : messages.shown) {
      EXPECT_EQ(message.kind, MessageKind::Error) << c.name;
      EXPECT_EQ(message.buttons, MessageButtons::Ok) << c.name;
      shown.push_back(message.text);
    }
    EXPECT_EQ(shown, c.shown) << c.name;
  }
}

TEST(ProgramErrorText, NamesTheFailureAndTheDevelopersInTheCurrentLanguage) {
  const struct {
    int language;
    const char* opening;
  } cases[] = {
      {0, "Program error.\n\nPlease, address the program developers.\n\n"},
      {1, "Ошибка в работе программы.\n\nПожалуйста, обратитесь к разработчикам.\n\n"},
  };
  for (const auto& c : cases) {
    SetLanguageForSession(c.language);
    const std::string text = ProgramErrorText();
    EXPECT_EQ(text.rfind(c.opening, 0), 0u) << text;
    EXPECT_GT(text.size(), std::string(c.opening).size()) << "the contact follows";
  }
  SetLanguageForSession(0);
}

TEST(StartUpGuard, AnEscapingErrorGivesTheLastResortMessageWithoutItsOwnText) {
  const struct {
    const char* name;
    std::function<int()> program;
    int status;
    bool message;
  } cases[] = {
      {"Runs", [] { return 0; }, 0, false},
      {"ReturnsItsStatus", [] { return 3; }, 3, false},
      {"SettingNotWritten", []() -> int { throw OrvError("Settings cannot be written"); }, 1, true},
      {"NotAnException", []() -> int { throw 7; }, 1, true},
  };
  SetLanguageForSession(0);
  for (const auto& c : cases) {
    RecordingMessages messages;
    SetMessages(&messages);
    EXPECT_EQ(RunStartUpGuarded(c.program), c.status) << c.name;
    ResetPorts();
    ASSERT_EQ(messages.shown.size(), c.message ? 1u : 0u) << c.name;
    if (!c.message) continue;
    EXPECT_EQ(messages.shown[0].text, ProgramErrorText()) << c.name;
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Information) << c.name;
    EXPECT_EQ(messages.shown[0].text.find("cannot be written"), std::string::npos) << c.name;
  }
}
