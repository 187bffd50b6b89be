// What the main window shows: sections, captions in both languages, the
// supports grid and the actions that follow it.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <functional>

#include "test_main_window_fixture.h"
#include "ui/dialogs/language_dialog.h"
#include "ui/frames/frm_klimat.h"
#include "widgets/navigation_label.h"
#include "widgets/supports_grid.h"

namespace {

void ChooseLanguage(TModalScript& script, int index) {
  script.Then([index](QWidget& dialog) {
    auto& language = dynamic_cast<TLanguageDialog&>(dialog);
    language.cbxLanguage->setCurrentIndex(index);
    language.OKBtn->click();
  });
}

std::string Text(const QString& text) { return text.toStdString(); }

}  // namespace

TEST_F(MainWindowTest, FirstShowingStartsOnTheClimateWithAnEmptyList) {
  EXPECT_EQ(Text(Main().windowTitle()), "Calculation of balancing loads, tearing forces. - Orvane");
  EXPECT_EQ(Text(Main().PahelStatusBar->text()), "   Quorin - designing OHL, FOCL-OHL, FOCL.");
  EXPECT_EQ(Main().PageControl->currentIndex(), 0);
  EXPECT_EQ(Main().CurrentSection, Main().Lab1);
  EXPECT_EQ(Text(Main().PanelTitle->text()), "Climatic conditions");
  EXPECT_TRUE(Main().PanelProjectName->text().isEmpty());
  EXPECT_EQ(Main().ProjectsFolder, folders.programFolder + "Projects/");
  EXPECT_EQ(Main().Grid->RowCount(), 1);
  EXPECT_EQ(Main().Grid->Cell(0, 0), "");
  EXPECT_TRUE(Main().Actions.ActPillarCreate->isEnabled());
  EXPECT_FALSE(Main().Actions.ActPillarInsert->isEnabled());
  EXPECT_FALSE(Main().Actions.ActPillarEdit->isEnabled());
  EXPECT_FALSE(Main().Actions.ActPillarDelete->isEnabled());
}

TEST_F(MainWindowTest, SectionLabelsSwitchPageTitleAndHighlight) {
  const struct {
    TNavigationLabel* label;
    int page;
    const char* title;
  } cases[] = {
      {Main().Lab2, 1, "Climatic parameters specification.\nReliability coefficients"},
      {Main().Lab3, 2, "List of supports"},
      {Main().Lab1, 0, "Climatic conditions"},
  };
  for (const auto& c : cases) {
    ClickWidget(*c.label);
    EXPECT_EQ(Main().PageControl->currentIndex(), c.page);
    EXPECT_EQ(Text(Main().PanelTitle->text()), c.title);
    EXPECT_EQ(Main().CurrentSection, c.label);
    for (TNavigationLabel* label : {Main().Lab1, Main().Lab2, Main().Lab3}) {
      EXPECT_EQ(label->IsActive(), label == c.label) << c.title;
    }
    for (TNavigationLabel* label : {Main().Lab1, Main().Lab2, Main().Lab3}) {
      const bool active = label == c.label;
      EXPECT_EQ(label->BackgroundColour() == QColor(197, 213, 238), active) << c.title;
    }
  }
}

TEST_F(MainWindowTest, TypedClimateReachesTheProjectOnlyWhenTheSupportsAreShown) {
  TypeInto(*Main().FrameKlimat->Tols, "7.5");
  ClickWidget(*Main().Lab2);
  EXPECT_NE(Main().CurrentProject.Klimat.IceThickness, 7.5);
  ClickWidget(*Main().Lab3);
  EXPECT_EQ(Main().CurrentProject.Klimat.IceThickness, 7.5);
}

TEST_F(MainWindowTest, LanguageSwitchChangesEveryCaptionAtOnce) {
  Start(1);
  const std::string path = WriteSample("Route.b.orv", SampleProject(2));
  fileDialogs.answers.push_back(path);
  Main().Actions.ActProjectOpen->trigger();
  ClickWidget(*Main().Lab2);

  const struct {
    const char* what;
    std::function<QString()> shown;
    const char* russian;
    const char* english;
  } captions[] = {
      {"project menu", [&] { return Main().menuBar()->actions()[0]->text(); }, "Проект", "Project"},
      {"help menu", [&] { return Main().menuBar()->actions()[4]->text(); }, "Помощь", "Help"},
      {"new", [&] { return Main().Actions.ActProjectNew->text(); }, "Новый проект", "New project"},
      {"new hint", [&] { return Main().Actions.ActProjectNew->toolTip(); }, "Новый проект", "New project"},
      {"delete", [&] { return Main().Actions.ActPillarDelete->text(); }, "Удалить", "Delete"},
      {"language", [&] { return Main().Actions.ActSettingLanguage->text(); }, "Language(Язык)",
       "Language(Язык)"},
      {"language hint", [&] { return Main().Actions.ActSettingLanguage->toolTip(); }, "Language(Язык)",
       "Language(Язык)"},
      {"first section", [&] { return Main().Lab1->text(); }, "Климатические условия", "Climatic conditions"},
      {"section title", [&] { return Main().PanelTitle->text(); },
       "Уточнение климатических параметров.\nКоэффициенты надежности",
       "Climatic parameters specification.\nReliability coefficients"},
      {"project name", [&] { return Main().PanelProjectName->text(); }, "Проект: Route", "Project: Route"},
      {"status bar", [&] { return Main().PahelStatusBar->text(); },
       "   Quorin - проектирование ВЛ, ВОЛС ВЛ, ВОЛС.", "   Quorin - designing OHL, FOCL-OHL, FOCL."},
  };
  for (const auto& c : captions) EXPECT_EQ(Text(c.shown()), c.russian) << c.what;

  TModalScript script;
  ChooseLanguage(script, 0);
  Main().Actions.ActSettingLanguage->trigger();
  ProcessEvents();

  ASSERT_EQ(script.seen, std::vector<std::string>{"TLanguageDialog"});
  for (const auto& c : captions) EXPECT_EQ(Text(c.shown()), c.english) << c.what;
  EXPECT_EQ(Text(Main().FrameKlimat->LabThick->text()), "Thickness:");
  EXPECT_EQ(store.values["Language"], "0");
}

TEST_F(MainWindowTest, LanguageSwitchKeepsWhatWasTypedIntoTheFrames) {
  TypeInto(*Main().FrameKlimat->Tols, "7.5");
  TModalScript script;
  ChooseLanguage(script, 1);
  Main().Actions.ActSettingLanguage->trigger();
  ProcessEvents();

  EXPECT_EQ(Main().FrameKlimat->Tols->Value(), 7.5);
  EXPECT_EQ(Text(Main().Lab3->text()), "Список опор");
}

TEST_F(MainWindowTest, CancelledLanguageDialogChangesNothing) {
  TModalScript script;
  script.Then([](QWidget& dialog) { dynamic_cast<TLanguageDialog&>(dialog).CancelBtn->click(); });
  Main().Actions.ActSettingLanguage->trigger();
  ProcessEvents();
  EXPECT_EQ(Text(Main().Lab3->text()), "List of supports");
  EXPECT_EQ(store.values["Language"], "0");
}

struct DeleteCase {
  const char* name;
  int supports;
  int row;
  MessageAnswer answer;
  std::vector<std::string> remaining;
  int currentRow;
};

void PrintTo(const DeleteCase& c, std::ostream* out) { *out << c.name; }

class DeleteSupportTest : public MainWindowTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteSupportTest, AsksThenRemovesAndKeepsTheSelectionInTheList) {
  const DeleteCase& c = GetParam();
  fileDialogs.answers.push_back(WriteSample("Line.orv", SampleProject(c.supports)));
  Main().Actions.ActProjectOpen->trigger();
  ClickWidget(*Main().Lab3);
  Main().Grid->SelectRow(c.row);
  ASSERT_EQ(Main().CurrentRow, c.row);
  messages.answers.push_back(c.answer);

  Main().Actions.ActPillarDelete->trigger();

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Are you sure you would like to delete the support?");
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  std::vector<std::string> numbers;
  for (int i = 0; i < Main().CurrentProject.Pillars.Count(); ++i) {
    numbers.push_back(Main().CurrentProject.Pillars.Items(i).SupportNumber);
  }
  EXPECT_EQ(numbers, c.remaining);
  EXPECT_EQ(Main().CurrentRow, c.currentRow);
  EXPECT_EQ(Main().Grid->RowCount(), std::max<int>(1, static_cast<int>(c.remaining.size())));
  EXPECT_EQ(Main().Grid->SelectedRow(), c.currentRow);
  EXPECT_EQ(Main().Grid->Cell(0, 0), c.remaining.empty() ? "" : c.remaining[0]);
  EXPECT_EQ(Main().Actions.ActPillarEdit->isEnabled(), !c.remaining.empty());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, DeleteSupportTest,
                         ::testing::Values(DeleteCase{"Last", 3, 2, MessageAnswer::Yes, {"P1", "P2"}, 1},
                                           DeleteCase{"First", 3, 0, MessageAnswer::Yes, {"P2", "P3"}, 0},
                                           DeleteCase{"Middle", 3, 1, MessageAnswer::Yes, {"P1", "P3"}, 1},
                                           DeleteCase{"Only", 1, 0, MessageAnswer::Yes, {}, 0},
                                           DeleteCase{
                                               "Declined", 3, 1, MessageAnswer::No, {"P1", "P2", "P3"}, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, DeleteWithoutSupportsAsksNothing) {
  Main().Actions.ActPillarDelete->setEnabled(true);
  Main().Actions.ActPillarDelete->trigger();
  EXPECT_TRUE(messages.shown.empty());
}
