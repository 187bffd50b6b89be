// The main window's support commands with the support editor: what the
// editor opens on, where the support lands, and the grid and current row.

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "support/find_child.h"
#include "test_main_window_fixture.h"
#include "ui/main_window/form_main.h"
#include "ui/pillars/form_pillars.h"
#include "ui/results/supports_view.h"
#include "widgets/real_spin_edit.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::ui;
using namespace orv::widgets;

namespace {

using Names = std::vector<std::string>;

class PillarCommandsTest : public MainWindowTest {
 protected:
  // Opens `project` as the current one, supports section shown.
  void UseProject(const TProject& project) { Main().Document().Open(WriteSample("use.orv", project)); }
  void SelectRow(int row) { Grid()->SelectRow(row); }

  // The editor as the next modal window: records what it opened on, lets
  // `change` work on it, then OK or Cancel.
  void AnswerEditor(TModalScript& script, TPillar& openedOn, std::function<void(TFormPillars&)> change,
                    bool ok = true) {
    script.Then([&openedOn, change, ok](QWidget& dialog) {
      auto& editor = dynamic_cast<TFormPillars&>(dialog);
      editor.StoreSupport(openedOn);
      if (change) change(editor);
      (ok ? Child<QPushButton>(editor, "BitBtnOK") : Child<QPushButton>(editor, "BitBtnCancel"))->click();
    });
  }

  Names GridRows() {
    Names rows;
    for (int row = 0; row < Grid()->RowCount(); ++row) rows.push_back(Grid()->Cell(0, row));
    return rows;
  }
  Names Numbers() {
    Names numbers;
    for (int i = 0; i < Main().Document().Project().Pillars.Count(); ++i)
      numbers.push_back(Main().Document().Project().Pillars.Items(i).SupportNumber);
    return numbers;
  }
  bool EditingEnabled() {
    return Action("ActPillarInsert")->isEnabled() && Action("ActPillarEdit")->isEnabled() &&
           Action("ActPillarDelete")->isEnabled();
  }
  static TProject Numbered(const Names& numbers) {
    TProject project;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      TPillar support;
      support.SupportNumber = numbers[i];
      support.SpanLeft = 100 + static_cast<double>(i);
      support.WireName = "W" + numbers[i];
      project.Pillars.Add(support);
    }
    return project;
  }
};

}  // namespace

TEST_F(PillarCommandsTest, AddOpensOnTheNextNumberWithTheLastSupportsValues) {
  const struct {
    Names before;
    const char* opened;
    double spanLeft;
  } cases[] = {
      {{}, "1", 0},
      {{"3", "A9"}, "A10", 101},
      {{"12"}, "13", 100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.opened);
    UseProject(Numbered(c.before));
    TPillar openedOn;
    TModalScript script;
    AnswerEditor(script, openedOn, nullptr);
    Action("ActPillarCreate")->trigger();
    EXPECT_EQ(openedOn.SupportNumber, c.opened);
    EXPECT_EQ(openedOn.SpanLeft, c.spanLeft);
    Names expected = c.before;
    expected.push_back(c.opened);
    EXPECT_EQ(Numbers(), expected);
    EXPECT_EQ(GridRows(), expected);
    EXPECT_EQ(Main().CurrentRow(), static_cast<int>(c.before.size()));
    EXPECT_EQ(Grid()->SelectedRow(), static_cast<int>(c.before.size()));
    EXPECT_TRUE(EditingEnabled());
  }
}

TEST_F(PillarCommandsTest, AddCancelledAddsNothing) {
  UseProject(Numbered({"1"}));
  TPillar openedOn;
  TModalScript script;
  AnswerEditor(script, openedOn, nullptr, false);
  Action("ActPillarCreate")->trigger();
  EXPECT_EQ(Numbers(), Names{"1"});
  EXPECT_FALSE(Main().IsModified());
}

TEST_F(PillarCommandsTest, InsertCopiesTheSupportBeforeTheCurrentOne) {
  const struct {
    int row;
    const char* opened;
    double spanLeft;
    Names after;
  } cases[] = {
      {0, "1", 0, {"1", "10", "20", "30", "40"}},  // a default support
      {2, "20", 101, {"10", "20", "20", "30", "40"}},
      {3, "30", 102, {"10", "20", "30", "30", "40"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    UseProject(Numbered({"10", "20", "30", "40"}));
    SelectRow(c.row);
    ASSERT_EQ(Main().CurrentRow(), c.row);
    TPillar openedOn;
    TModalScript script;
    AnswerEditor(script, openedOn, nullptr);
    Action("ActPillarInsert")->trigger();
    EXPECT_EQ(openedOn.SupportNumber, c.opened);
    EXPECT_EQ(openedOn.SpanLeft, c.spanLeft);
    EXPECT_EQ(Numbers(), c.after);
    EXPECT_EQ(GridRows(), c.after);
    EXPECT_EQ(Main().CurrentRow(), c.row) << "the new support takes the current row";
    EXPECT_EQ(Grid()->SelectedRow(), c.row);
    EXPECT_EQ(Main().Document().Project().Pillars.Items(c.row + 1).SpanLeft, 100 + c.row)
        << "the old one moved down";
  }
}

TEST_F(PillarCommandsTest, EditStoresIntoTheCurrentSupportOnlyOnOk) {
  const std::pair<bool, const char*> cases[] = {{false, "20"}, {true, "21b"}};
  for (const auto& [ok, number] : cases) {
    UseProject(Numbered({"10", "20", "30"}));
    SelectRow(1);
    TPillar openedOn;
    TModalScript script;
    AnswerEditor(
        script, openedOn,
        [](TFormPillars& e) {
          Child<QLineEdit>(e, "NumbEdit")->setText("21b");
          Child<TRealSpinEdit>(e, "ProletLeftSpEdit")->SetValue(333);
        },
        ok);
    // A double click in the grid is the same command.
    emit Grid()->RowDoubleClicked(1);
    EXPECT_EQ(openedOn.SupportNumber, "20");
    EXPECT_EQ((Numbers()), (Names{"10", number, "30"}));
    EXPECT_EQ(Grid()->Cell(0, 1), number);
    EXPECT_EQ(Main().Document().Project().Pillars.Items(1).SpanLeft, ok ? 333 : 101);
    EXPECT_EQ(Main().IsModified(), ok);
  }
}

TEST_F(PillarCommandsTest, EditAndDeleteDoNothingWithoutSupports) {
  TModalScript script;
  Action("ActPillarEdit")->trigger();
  emit Grid()->RowDoubleClicked(0);
  Main().ActPillarDeleteExecute();
  Main().ActPillarEditExecute();
  EXPECT_TRUE(script.seen.empty());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(EditingEnabled());
}

TEST_F(PillarCommandsTest, DeleteAsksThenKeepsTheSelectionWithinTheList) {
  const struct {
    const char* name;
    Names before;
    int row;
    MessageAnswer answer;
    Names after;
    int current;
  } cases[] = {
      {"middle", {"1", "2", "3"}, 1, MessageAnswer::Yes, {"1", "3"}, 1},
      {"last", {"1", "2", "3"}, 2, MessageAnswer::Yes, {"1", "2"}, 1},
      {"only", {"1"}, 0, MessageAnswer::Yes, {}, 0},
      {"answered no", {"1", "2"}, 1, MessageAnswer::No, {"1", "2"}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UseProject(Numbered(c.before));
    SelectRow(c.row);
    messages.shown.clear();
    messages.answers.push_back(c.answer);
    Action("ActPillarDelete")->trigger();
    const std::string named = c.before[static_cast<std::size_t>(c.row)];
    ASSERT_EQ(MessageTexts(), Names{"Are you sure you would like to delete the support?\r\nSupport " + named +
                                    " (W" + named + ")"});
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(Numbers(), c.after);
    EXPECT_EQ(GridRows(), c.after.empty() ? Names{""} : c.after);
    EXPECT_EQ(Main().CurrentRow(), c.current);
    EXPECT_EQ(Grid()->SelectedRow(), c.current);
    EXPECT_EQ(EditingEnabled(), !c.after.empty());
  }
}
