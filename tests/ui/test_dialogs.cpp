#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "settings/localization.h"
#include "settings/units.h"
#include "support/find_child.h"
#include "support/gui_test_ports.h"
#include "test_main_window_fixture.h"
#include "ui/dialogs/form_about.h"
#include "ui/dialogs/form_save_project.h"
#include "ui/dialogs/form_units_dlg.h"
#include "ui/dialogs/form_wait.h"
#include "ui/dialogs/language_dialog.h"
#include "ui/dialogs/version_number.h"

using namespace orv::settings;
using namespace orv::ui;
using namespace orv::widgets;

namespace {

using DialogsTest = GuiTest;

TEST_F(DialogsTest, LanguageDialogOffersRussianFirstAndOkSwitches) {
  TLanguageDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), QString("Язык (Language)"));
  EXPECT_EQ(Child<QComboBox>(dialog, "cbxLanguage")->count(), 2);
  EXPECT_EQ(Child<QComboBox>(dialog, "cbxLanguage")->itemText(0), QString("English"));
  EXPECT_EQ(Child<QComboBox>(dialog, "cbxLanguage")->itemText(1), QString("Russian (Русский)"));
  EXPECT_FALSE(Child<QComboBox>(dialog, "cbxLanguage")->isEditable());
  ASSERT_TRUE(IsEnglish());
  dialog.show();
  EXPECT_EQ(Child<QComboBox>(dialog, "cbxLanguage")->currentIndex(), 1);  // whatever the current language

  Child<QPushButton>(dialog, "OKBtn")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(IsEnglish());
  EXPECT_EQ(settings.values["Language"], "1");
}

TEST_F(DialogsTest, LanguageDialogCancelChangesNothingAndTheChoiceSurvives) {
  TLanguageDialog dialog;
  dialog.show();
  Child<QComboBox>(dialog, "cbxLanguage")->setCurrentIndex(0);
  Child<QPushButton>(dialog, "OKBtn")->click();
  EXPECT_TRUE(IsEnglish());
  EXPECT_EQ(settings.values["Language"], "0");

  dialog.show();
  EXPECT_EQ(Child<QComboBox>(dialog, "cbxLanguage")->currentIndex(), 0);  // the last choice, not reset
  Child<QComboBox>(dialog, "cbxLanguage")->setCurrentIndex(1);
  Child<QPushButton>(dialog, "CancelBtn")->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(IsEnglish());
  EXPECT_EQ(settings.values["Language"], "0");
}

TEST_F(DialogsTest, SavePromptAsksInTheLanguage) {
  const struct {
    int language;
    QString question, ok, cancel;
  } cases[] = {
      {0, "Changes have been done to the project.\nSave the project?", "OK", "Cancel"},
      {1, "В проекте были сделаны изменения.\nСохранить проект?", "ОК", "Отмена"},
  };
  TFormSave_Project prompt;
  for (const auto& [language, question, ok, cancel] : cases) {
    UseLanguage(language);
    prompt.show();
    EXPECT_EQ(Child<QLabel>(prompt, "Label1")->text(), question);
    EXPECT_EQ(Child<QPushButton>(prompt, "ButOK")->text(), ok);
    EXPECT_EQ(Child<QPushButton>(prompt, "ButCancel")->text(), cancel);
    EXPECT_TRUE(prompt.windowTitle().isEmpty());
    prompt.hide();
  }
}

TEST_F(DialogsTest, SavePromptEndsWithOkOnlyForItsOkButton) {
  struct Case {
    const char* what;
    void (*act)(TFormSave_Project&);
    int result;
  };
  const Case cases[] = {
      {"OK", [](TFormSave_Project& p) { Child<QPushButton>(p, "ButOK")->click(); }, QDialog::Accepted},
      {"Cancel", [](TFormSave_Project& p) { Child<QPushButton>(p, "ButCancel")->click(); },
       QDialog::Rejected},
      {"Escape", [](TFormSave_Project& p) { QTest::keyClick(&p, Qt::Key_Escape); }, QDialog::Rejected},
      {"close", [](TFormSave_Project& p) { p.close(); }, QDialog::Rejected},
  };
  for (const auto& c : cases) {
    TFormSave_Project prompt;
    prompt.show();
    prompt.setResult(-1);
    c.act(prompt);
    EXPECT_EQ(prompt.result(), c.result) << c.what;
    EXPECT_FALSE(prompt.isVisible()) << c.what;
  }
}

TEST_F(DialogsTest, WaitWindowIsDrawnAtOnceWithTheCaptionOfTheMoment) {
  TFormWait wait;
  EXPECT_TRUE(wait.windowFlags().testFlag(Qt::Tool));
  const std::pair<int, QString> cases[] = {{0, "Wait..."}, {1, "Ждите..."}};
  for (const auto& [language, caption] : cases) {
    UseLanguage(language);
    wait.ShowWait("Report");
    EXPECT_TRUE(wait.isVisible());
    EXPECT_EQ(wait.windowTitle(), caption);
    EXPECT_EQ(Child<QLabel>(wait, "Panel")->text(), QString("Report"));
    wait.ShowProgress("support 12 of 1000");
    EXPECT_EQ(Child<QLabel>(wait, "Panel")->text(), QString("support 12 of 1000"));
    wait.CloseWait();
    EXPECT_FALSE(wait.isVisible());
  }
}

TEST_F(DialogsTest, AboutBoxVersionLineFollowsTheLanguage) {
  EXPECT_EQ(VersionNumber, 180);
  EXPECT_EQ(VersionText(VersionNumber, true), "version 1.8");
  EXPECT_EQ(VersionText(VersionNumber, false), "версия 1.8");
  EXPECT_EQ(VersionText(205, true), "version 2.0");  // one decimal, rounded
  EXPECT_EQ(VersionText(1234, true), "version 12.3");
}

TEST_F(DialogsTest, AboutBoxIsFilledAndCaptionedInBothLanguages) {
  struct Case {
    int language;
    QString caption, author, programmers, version;
    std::string descriptionStart;
  };
  const Case cases[] = {
      {0, "About Program", "Author:", "Programmers:", "version 1.8", "Calculation of balancing loads"},
      {1, "О программе", "Разработчик:", "Программисты:", "версия 1.8", "Расчёт компенсирующих грузов"},
  };
  TFormAbout about;
  for (const auto& c : cases) {
    UseLanguage(c.language);
    FillAboutBox(about);
    about.show();
    EXPECT_EQ(about.windowTitle(), c.caption);
    EXPECT_EQ(Child<QLabel>(about, "LabDevel")->text(), c.author);
    EXPECT_EQ(Child<QLabel>(about, "LabProgrammersTitle")->text(), c.programmers);
    EXPECT_EQ(Child<QLabel>(about, "LabelVersion")->text(), c.version);
    EXPECT_EQ(Child<QLabel>(about, "LabelProgName")->text(), QString("Orvane"));
    EXPECT_EQ(Child<QLabel>(about, "LabTitle")->text().toStdString().rfind(c.descriptionStart, 0), 0u);
    EXPECT_FALSE(Child<QLabel>(about, "LabTitle")->text().contains('\r'));
    EXPECT_FALSE(Child<QLabel>(about, "LabCompany")->text().isEmpty());
    about.hide();
  }
}

TEST_F(DialogsTest, AboutBoxClosesOnAClickAnywhere) {
  TFormAbout about;
  FillAboutBox(about);
  about.show();
  EXPECT_TRUE(about.isVisible());
  QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_FALSE(about.isVisible());
  EXPECT_FALSE(about.isModal());
}

TEST_F(DialogsTest, UnitsDialogCancelLeavesTheSettingAndOkWritesIt) {
  TFormUnitsDlg dialog;
  dialog.show();
  EXPECT_EQ(Child<TRadioGroup>(dialog, "rgUnits")->ItemIndex(), 0);
  Child<TRadioGroup>(dialog, "rgUnits")->SetItemIndex(1);
  Child<QPushButton>(dialog, "CancelBtn")->click();
  EXPECT_EQ(settings.values["Units"], "0");
  EXPECT_EQ(ForceFactor(), 1.0);

  dialog.show();
  EXPECT_EQ(Child<TRadioGroup>(dialog, "rgUnits")->ItemIndex(), 0);  // the stored choice again
  Child<TRadioGroup>(dialog, "rgUnits")->SetItemIndex(1);
  Child<QPushButton>(dialog, "OKBtn")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(settings.values["Units"], "1");
  EXPECT_EQ(ForceFactor(), 0.01);
  EXPECT_EQ(StressFactor(), 10.0);

  dialog.show();
  EXPECT_EQ(Child<TRadioGroup>(dialog, "rgUnits")->ItemIndex(), 1);
}

TEST_F(DialogsTest, UnitsDialogShowsTheSystemInForceForAnyStoredNumber) {
  const std::pair<const char*, int> cases[] = {{"0", 0}, {"1", 1}, {"5", 1}, {"-1", 1}};
  TFormUnitsDlg dialog;
  for (const auto& [stored, item] : cases) {
    settings.values["Units"] = stored;
    dialog.show();
    EXPECT_EQ(Child<TRadioGroup>(dialog, "rgUnits")->ItemIndex(), item) << stored;
    dialog.hide();
  }
}

TEST_F(DialogsTest, UnitsDialogCaptionsFollowTheLanguage) {
  TFormUnitsDlg dialog;
  struct Case {
    int language;
    QString title, cancel, item0, ok;
  };
  const Case cases[] = {
      {0, "Units", "Cancel", "Stress, daN/mm2.   Tension, daN.   Modulus of elasticity, daN/mm2.", "OK"},
      {1, "Единицы измерения", "Отмена", "Напряжения, даН/мм2.   Тяжения, даН.   Модуль упругости, даН/мм2.", "ОК"},
  };
  for (const auto& c : cases) {
    UseLanguage(c.language);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), c.title);
    EXPECT_EQ(Child<TRadioGroup>(dialog, "rgUnits")->title(), c.title);
    EXPECT_EQ(Child<QPushButton>(dialog, "CancelBtn")->text(), c.cancel);
    EXPECT_EQ(Child<QPushButton>(dialog, "OKBtn")->text(), c.ok);
    EXPECT_EQ(Child<TRadioGroup>(dialog, "rgUnits")->Item(0)->text(), c.item0);
    dialog.hide();
  }
}

}  // namespace

namespace {

// A modal dialog a test's script cannot close (an OK it refuses) fails that
// test, naming the dialog, and is closed, so that the run goes on.
TEST(ModalScriptTest, ADialogLeftOpenFailsTheTestInsteadOfHangingTheRun) {
  QDialog dialog;
  dialog.setWindowTitle("Refuses OK");
  TModalScript script(std::chrono::milliseconds(100));
  script.Then([](QWidget&) {});  // an OK the dialog refuses: it stays open
  EXPECT_NONFATAL_FAILURE(dialog.exec(), "QDialog \"Refuses OK\" was still open 100 ms");
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(script.seen, std::vector<std::string>{"QDialog"});
}

}  // namespace
