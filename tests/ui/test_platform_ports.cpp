#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "base/errors.h"
#include "platform/common/home_folder.h"
#include "platform/qt_folders.h"
#include "platform/qt_messages.h"
#include "platform/qt_ports.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_system_language.h"
#include "platform/scripted_file_dialogs.h"
#include "qt_text/qt_string.h"
#include "settings/ports/memory_ports.h"
#include "settings/ports/ports.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::qt_text;
using namespace orv::platform;

namespace {

TEST(QtStringConversion, RoundTripsCyrillicAndLineBreaks) {
  const std::string texts[] = {"", "Route 12", "Гололед", "a\r\nb", "°C"};
  for (const std::string& text : texts) EXPECT_EQ(ToStdString(ToQString(text)), text);
  EXPECT_EQ(ToDisplayText("Climatic parameters\r\nspecification.\r\nReliability"),
            QString("Climatic parameters\nspecification.\nReliability"));
}

TEST(QtSystemLanguage, OnlyRussianInRussiaGivesTheRussianName) {
  EXPECT_EQ(LanguageNameOf(QLocale(QLocale::Russian, QLocale::Russia)), "Русский (Россия)");
  const QLocale others[] = {QLocale(QLocale::Russian, QLocale::Ukraine), QLocale(QLocale::English, QLocale::UnitedStates),
                            QLocale(QLocale::Ukrainian, QLocale::Ukraine), QLocale(QLocale::German, QLocale::Germany)};
  for (const QLocale& locale : others) {
    const std::string name = LanguageNameOf(locale);
    EXPECT_NE(name, "Русский (Россия)") << locale.name().toStdString();
    EXPECT_FALSE(name.empty()) << locale.name().toStdString();
  }
}

struct DataFolderCase {
  const char* what;
  DataFolderEnvironment environment;
  const char* expected;
};

TEST(QtFoldersTest, SharedDataFolderByEnvironment) {
  const DataFolderCase cases[] = {
      {"override wins", {"/srv/orv", "C:/ProgramData", "/x", "/home/u", true}, "/srv/orv/"},
      {"override keeps its separator", {"D:\\data\\", std::nullopt, std::nullopt, "/h", true}, "D:\\data\\"},
      {"empty override is unset", {"", std::nullopt, "/xdg", "/home/u", false}, "/xdg/Mirvex/Quorin/"},
      {"windows common folder", {std::nullopt, "C:\\ProgramData", std::nullopt, "/h", true},
       "C:\\ProgramData/Mirvex/Quorin/"},
      {"windows without variable", {std::nullopt, std::nullopt, std::nullopt, "/h", true},
       "C:/ProgramData/Mirvex/Quorin/"},
      {"linux xdg", {std::nullopt, std::nullopt, "/home/u/.data/", "/home/u", false},
       "/home/u/.data/Mirvex/Quorin/"},
      {"relative xdg is ignored", {std::nullopt, std::nullopt, "rel/data", "/home/u", false},
       "/home/u/.local/share/Mirvex/Quorin/"},
      {"linux default", {std::nullopt, std::nullopt, std::nullopt, "/home/u", false},
       "/home/u/.local/share/Mirvex/Quorin/"},
      {"no home folder", {std::nullopt, std::nullopt, std::nullopt, std::nullopt, false}, ""},
      {"relative home folder", {std::nullopt, std::nullopt, std::nullopt, "home/u", false}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(SharedDataFolderFor(c.environment), c.expected) << c.what;
}

// HOME when absolute, else the account's home folder, else none.
TEST(QtFoldersTest, HomeFolderFallsBackToTheAccount) {
  using Folder = std::optional<std::string>;
  const struct {
    Folder variable, account, expected;
  } cases[] = {{"/home/u", "/home/a", "/home/u"},
               {std::nullopt, "/home/a", "/home/a"},
               {"", "/home/a", "/home/a"},
               {"rel", "/home/a", "/home/a"},
               {"rel", std::nullopt, std::nullopt},
               {std::nullopt, "", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(ChooseHomeFolder(c.variable, c.account), c.expected) << c.variable.value_or("unset");
}

TEST(QtFoldersTest, ProgramFolderIsTheExecutablesFolderWithSeparator) {
  QtFolders folders;
  EXPECT_EQ(folders.ProgramFolder(), ToStdString(QCoreApplication::applicationDirPath()) + "/");
}

class QtSettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
  }
  QString StoreFile() const { return folder.path() + "/Mirvex/Quorin.conf"; }
  QTemporaryDir folder;
  QtSettingsStore store;
};

TEST_F(QtSettingsStoreTest, WritesAndReadsStringsInTheParamGroup) {
  EXPECT_EQ(store.ReadString("Language"), std::nullopt);
  store.WriteString("Language", "1");
  store.WriteString("Units", "0");
  store.WriteString("Note", "Единицы, мм");
  EXPECT_EQ(store.ReadString("Language"), std::optional<std::string>("1"));
  EXPECT_EQ(store.ReadString("Units"), std::optional<std::string>("0"));
  EXPECT_EQ(store.ReadString("Note"), std::optional<std::string>("Единицы, мм"));

  QSettings raw(StoreFile(), QSettings::IniFormat);
  EXPECT_EQ(raw.value("Param/Language").toString(), QString("1"));
}

TEST_F(QtSettingsStoreTest, AValueThatIsNotAStringIsAReadError) {
  QFile file(StoreFile());
  ASSERT_TRUE(QDir().mkpath(folder.path() + "/Mirvex"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Param]\nLanguage=0, 1\nUnits=1\n");
  file.close();
  EXPECT_THROW(store.ReadString("Language"), OrvError);
  EXPECT_EQ(store.ReadString("Units"), std::optional<std::string>("1"));
}

struct BoxCase {
  MessageKind kind;
  MessageButtons buttons;
  QMessageBox::Icon icon;
  const char* title;
  QStringList buttonTexts;
};

QStringList ButtonTexts(const QMessageBox& box) {
  QStringList texts;
  for (QAbstractButton* button : box.buttons()) texts << button->text();
  texts.sort();
  return texts;
}

TEST(QtMessagesTest, BoxesCarryTheirIconTitleAndButtons) {
  const BoxCase cases[] = {
      {MessageKind::Warning, MessageButtons::YesNo, QMessageBox::Warning, "Warning", {"&No", "&Yes"}},
      {MessageKind::Warning, MessageButtons::Ok, QMessageBox::Warning, "Warning", {"OK"}},
      {MessageKind::Error, MessageButtons::Ok, QMessageBox::Critical, "Orvane", {"OK"}},
      {MessageKind::Information, MessageButtons::Ok, QMessageBox::NoIcon, "Orvane", {"OK"}},
      {MessageKind::Information, MessageButtons::Yes, QMessageBox::NoIcon, "Orvane", {"&Yes"}},
  };
  for (const auto& c : cases) {
    auto box = BuildMessageBox(c.kind, "Вы уверены?", c.buttons, nullptr);
    EXPECT_EQ(box->icon(), c.icon);
    EXPECT_EQ(box->windowTitle().toStdString(), c.title);
    EXPECT_EQ(box->text(), QString("Вы уверены?"));
    EXPECT_EQ(ButtonTexts(*box), c.buttonTexts);
  }
}

MessageAnswer AnswerByClicking(const QString& buttonText, MessageButtons buttons) {
  auto box = BuildMessageBox(MessageKind::Warning, "Quit?", buttons, nullptr);
  QTimer::singleShot(0, box.get(), [&box, buttonText] {
    for (QAbstractButton* button : box->buttons()) {
      if (button->text() == buttonText) button->click();
    }
  });
  box->exec();
  return AnswerOf(*box, buttons);
}

TEST(QtMessagesTest, AnswerFollowsTheClickedButton) {
  EXPECT_EQ(AnswerByClicking("&Yes", MessageButtons::YesNo), MessageAnswer::Yes);
  EXPECT_EQ(AnswerByClicking("&No", MessageButtons::YesNo), MessageAnswer::No);
  EXPECT_EQ(AnswerByClicking("OK", MessageButtons::Ok), MessageAnswer::Ok);
}

TEST(QtMessagesTest, EnterAnswersTheDefaultWhichIsNoWhereYesDestroys) {
  const std::pair<MessageButtons, MessageAnswer> cases[] = {
      {MessageButtons::YesNo, MessageAnswer::Yes},
      {MessageButtons::YesNoDefaultNo, MessageAnswer::No},
  };
  for (const auto& [buttons, answer] : cases) {
    auto box = BuildMessageBox(MessageKind::Warning, "Delete?", buttons, nullptr);
    QTimer::singleShot(0, box.get(), [&box] { QTest::keyClick(box.get(), Qt::Key_Return); });
    box->exec();
    EXPECT_EQ(AnswerOf(*box, buttons), answer);
  }
}

TEST(QtMessagesTest, ClosingAQuestionWithoutAButtonIsNo) {
  auto box = BuildMessageBox(MessageKind::Warning, "Quit?", MessageButtons::YesNo, nullptr);
  QTimer::singleShot(0, box.get(), [&box] { box->reject(); });
  box->exec();
  EXPECT_EQ(AnswerOf(*box, MessageButtons::YesNo), MessageAnswer::No);
}

TEST(QtPortsTest, InstallsWhileAliveAndRestoresTheStandIns) {
  {
    QtPorts ports;
    EXPECT_NE(dynamic_cast<QtMessages*>(&GetMessages()), nullptr);
    EXPECT_NE(dynamic_cast<QtSettingsStore*>(&GetSettingsStore()), nullptr);
    EXPECT_NE(dynamic_cast<QtFileDialogs*>(&GetFileDialogs()), nullptr);
    EXPECT_NE(dynamic_cast<QtFolders*>(&GetFolders()), nullptr);
  }
  EXPECT_NE(dynamic_cast<RecordingMessages*>(&GetMessages()), nullptr);
  EXPECT_NE(dynamic_cast<MemorySettingsStore*>(&GetSettingsStore()), nullptr);
  EXPECT_NE(dynamic_cast<ScriptedFileDialogs*>(&GetFileDialogs()), nullptr);
  EXPECT_NE(dynamic_cast<FixedFolders*>(&GetFolders()), nullptr);
}

}  // namespace
