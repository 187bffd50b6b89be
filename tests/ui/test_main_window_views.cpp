// What the main window shows: sections, captions in both languages, the
// supports grid and the actions that follow it.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <functional>

#include "support/find_child.h"
#include "test_main_window_fixture.h"
#include "ui/dialogs/language_dialog.h"
#include "ui/frames/frm_klimat.h"
#include "ui/results/supports_view.h"
#include "widgets/navigation_label.h"

using namespace orv::settings;
using namespace orv::widgets;
using namespace orv::ui;

namespace {

void ChooseLanguage(TModalScript& script, int index) {
  script.Then([index](QWidget& dialog) {
    auto& language = dynamic_cast<TLanguageDialog&>(dialog);
    Child<QComboBox>(language, "cbxLanguage")->setCurrentIndex(index);
    Child<QPushButton>(language, "OKBtn")->click();
  });
}

std::string Text(const QString& text) { return text.toStdString(); }

}  // namespace

TEST_F(MainWindowTest, FirstShowingStartsOnTheClimateWithAnEmptyList) {
  EXPECT_EQ(Text(Main().windowTitle()), "Calculation of balancing loads, tearing forces. - Orvane");
  EXPECT_EQ(Text(Label("PahelStatusBar")->text()), "   Quorin - designing OHL, FOCL-OHL, FOCL.");
  EXPECT_EQ(Pages()->currentIndex(), 0);
  EXPECT_TRUE(Lab(1)->IsActive());
  EXPECT_EQ(Text(Label("PanelTitle")->text()), "Climatic conditions");
  EXPECT_TRUE(Label("PanelProjectName")->text().isEmpty());
  EXPECT_EQ(Grid()->RowCount(), 1);
  EXPECT_EQ(Grid()->Cell(0, 0), "");
  EXPECT_TRUE(Action("ActPillarCreate")->isEnabled());
  EXPECT_FALSE(Action("ActPillarInsert")->isEnabled());
  EXPECT_FALSE(Action("ActPillarEdit")->isEnabled());
  EXPECT_FALSE(Action("ActPillarDelete")->isEnabled());
  Action("ActProjectOpen")->trigger();  // no answer: the dialog is cancelled
  ASSERT_EQ(fileDialogs.requests.size(), 1u);
  EXPECT_EQ(fileDialogs.requests[0].folder, folders.programFolder + "Projects/");
}

TEST_F(MainWindowTest, SectionLabelsSwitchPageTitleAndHighlight) {
  const struct {
    TNavigationLabel* label;
    int page;
    const char* title;
  } cases[] = {
      {Lab(2), 1, "Climatic parameters specification.\nReliability coefficients"},
      {Lab(3), 2, "List of supports"},
      {Lab(1), 0, "Climatic conditions"},
  };
  for (const auto& c : cases) {
    ClickWidget(*c.label);
    EXPECT_EQ(Pages()->currentIndex(), c.page);
    EXPECT_EQ(Text(Label("PanelTitle")->text()), c.title);
    for (TNavigationLabel* label : {Lab(1), Lab(2), Lab(3)}) {
      EXPECT_EQ(label->IsActive(), label == c.label) << c.title;
    }
    for (TNavigationLabel* label : {Lab(1), Lab(2), Lab(3)}) {
      const bool active = label == c.label;
      EXPECT_EQ(label->BackgroundColour() == QColor(197, 213, 238), active) << c.title;
    }
  }
}

TEST_F(MainWindowTest, TypedClimateReachesTheProjectOnlyWhenTheSupportsAreShown) {
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "Tols"), "7.5");
  ClickWidget(*Lab(2));
  EXPECT_NE(Main().Document().Project().Klimat.IceThickness, 7.5);
  ClickWidget(*Lab(3));
  EXPECT_EQ(Main().Document().Project().Klimat.IceThickness, 7.5);
}

TEST_F(MainWindowTest, LanguageSwitchChangesEveryCaptionAtOnce) {
  Start(1);
  const std::string path = WriteSample("Route.b.orv", SampleProject(2));
  fileDialogs.answers.push_back(path);
  Action("ActProjectOpen")->trigger();
  ClickWidget(*Lab(2));

  const struct {
    const char* what;
    std::function<QString()> shown;
    const char* russian;
    const char* english;
  } captions[] = {
      {"project menu", [&] { return Main().menuBar()->actions()[0]->text(); }, "Проект", "Project"},
      {"help menu", [&] { return Main().menuBar()->actions().back()->text(); }, "Помощь", "Help"},
      {"new", [&] { return Action("ActProjectNew")->text(); }, "Новый проект", "New project"},
      {"new hint", [&] { return Action("ActProjectNew")->toolTip(); }, "Новый проект", "New project"},
      {"delete", [&] { return Action("ActPillarDelete")->text(); }, "Удалить", "Delete"},
      {"language", [&] { return Action("ActSettingLanguage")->text(); }, "Language(Язык)", "Language(Язык)"},
      {"language hint", [&] { return Action("ActSettingLanguage")->toolTip(); }, "Language(Язык)",
       "Language(Язык)"},
      {"first section", [&] { return Lab(1)->text(); }, "Климатические условия", "Climatic conditions"},
      {"section title", [&] { return Label("PanelTitle")->text(); },
       "Уточнение климатических параметров.\nКоэффициенты надежности",
       "Climatic parameters specification.\nReliability coefficients"},
      {"project name", [&] { return Label("PanelProjectName")->text(); }, "Проект: Route", "Project: Route"},
      {"status bar", [&] { return Label("PahelStatusBar")->text(); },
       "   Quorin - проектирование ВЛ, ВОЛС ВЛ, ВОЛС.", "   Quorin - designing OHL, FOCL-OHL, FOCL."},
  };
  for (const auto& c : captions) EXPECT_EQ(Text(c.shown()), c.russian) << c.what;

  TModalScript script;
  ChooseLanguage(script, 0);
  Action("ActSettingLanguage")->trigger();
  ProcessEvents();

  ASSERT_EQ(script.seen, std::vector<std::string>{"TLanguageDialog"});
  for (const auto& c : captions) EXPECT_EQ(Text(c.shown()), c.english) << c.what;
  EXPECT_EQ(Text(Child<QLabel>(*FrameKlimat(), "LabThick")->text()), "Thickness:");
  EXPECT_EQ(store.values["Language"], "0");
}

TEST_F(MainWindowTest, LanguageSwitchKeepsWhatWasTypedIntoTheFrames) {
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "Tols"), "7.5");
  TModalScript script;
  ChooseLanguage(script, 1);
  Action("ActSettingLanguage")->trigger();
  ProcessEvents();

  EXPECT_EQ(Child<TRealSpinEdit>(*FrameKlimat(), "Tols")->Value(), 7.5);
  EXPECT_EQ(Text(Lab(3)->text()), "Список опор");
}

TEST_F(MainWindowTest, CancelledLanguageDialogChangesNothing) {
  TModalScript script;
  script.Then([](QWidget& dialog) {
    Child<QPushButton>(dynamic_cast<TLanguageDialog&>(dialog), "CancelBtn")->click();
  });
  Action("ActSettingLanguage")->trigger();
  ProcessEvents();
  EXPECT_EQ(Text(Lab(3)->text()), "List of supports");
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
  Action("ActProjectOpen")->trigger();
  ClickWidget(*Lab(3));
  Grid()->SelectRow(c.row);
  ASSERT_EQ(Main().CurrentRow(), c.row);
  messages.answers.push_back(c.answer);

  Action("ActPillarDelete")->trigger();

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.rfind("Are you sure you would like to delete the support?\r\nSupport ", 0), 0u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  std::vector<std::string> numbers;
  for (int i = 0; i < Main().Document().Project().Pillars.Count(); ++i) {
    numbers.push_back(Main().Document().Project().Pillars.Items(i).SupportNumber);
  }
  EXPECT_EQ(numbers, c.remaining);
  EXPECT_EQ(Main().CurrentRow(), c.currentRow);
  EXPECT_EQ(Grid()->RowCount(), std::max<int>(1, static_cast<int>(c.remaining.size())));
  EXPECT_EQ(Grid()->SelectedRow(), c.currentRow);
  EXPECT_EQ(Grid()->Cell(0, 0), c.remaining.empty() ? "" : c.remaining[0]);
  EXPECT_EQ(Action("ActPillarEdit")->isEnabled(), !c.remaining.empty());
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
  Action("ActPillarDelete")->setEnabled(true);
  Action("ActPillarDelete")->trigger();
  EXPECT_TRUE(messages.shown.empty());
}
