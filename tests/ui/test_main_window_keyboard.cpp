// The main window from the keyboard: the save question before New, Open and
// Exit with its Cancel, undo and redo of every change, the sections and the
// supports grid keys, the clipboard and the recent projects.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStackedWidget>
#include <QTest>
#include <filesystem>

#include "platform/qt_messages.h"
#include "support/find_child.h"
#include "test_main_window_fixture.h"
#include "ui/frames/frm_klimat.h"
#include "ui/pillars/form_pillars.h"
#include "ui/results/supports_view.h"
#include "widgets/navigation_label.h"
#include "widgets/real_spin_edit.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::platform;
using namespace orv::ui;
using namespace orv::widgets;

namespace {

constexpr const char* kSaveQuestion = "Changes have been done to the project.\r\nSave the project?";

// A key pressed while the supports grid has the focus, where the window's
// shortcuts apply.
void Press(QWidget& target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  // Back in the main window after a dialog, as the window manager does.
  target.window()->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(target.window()));
  target.setFocus();
  QTest::keyClick(&target, static_cast<Qt::Key>(key), modifiers);
  ProcessEvents();
}

void AcceptEditor(TModalScript& script) {
  script.Then([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
}

}  // namespace

TEST_F(MainWindowTest, CancelOfTheSaveQuestionLeavesNewOpenAndExitUndone) {
  const std::string path = WriteSample("Route.orv", SampleProject(2));
  fileDialogs.answers.push_back(path);
  Action("ActProjectOpen")->trigger();
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "Tols"), "7.5");
  bool closed = false;
  Main().AttachClosedHandler([&] { closed = true; });
  // Exit has no key of its own on every system: it is chosen in the menu.
  for (const int key : {int(Qt::Key_N), int(Qt::Key_O), 0}) {
    SCOPED_TRACE(key);
    messages.shown.clear();
    messages.answers.push_back(MessageAnswer::Cancel);
    if (key)
      Press(*Grid(), key, Qt::ControlModifier);
    else
      Action("ActExit")->trigger();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kSaveQuestion});
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::SaveDiscardCancel);
    EXPECT_EQ(fileDialogs.requests.size(), 1u) << "no open dialog after Cancel";
    EXPECT_EQ(Child<TRealSpinEdit>(*FrameKlimat(), "Tols")->Value(), 7.5);
    EXPECT_EQ(Main().Document().FileName(), path);
    EXPECT_EQ(Grid()->RowCount(), 2);
    EXPECT_TRUE(Main().IsModified());
    EXPECT_FALSE(closed);
  }
  // The question's buttons are in the language of the program.
  Start(1);
  auto box = BuildMessageBox(MessageKind::Warning, "?", MessageButtons::SaveDiscardCancel, nullptr);
  QStringList texts;
  for (QAbstractButton* button : box->buttons()) texts << button->text();
  texts.sort();
  EXPECT_EQ(texts, (QStringList{"Не сохранять", "Отмена", "Сохранить"}));
}

TEST_F(MainWindowTest, UndoAndRedoEveryChangeFromTheKeyboardBackToTheSavedState) {
  QAction* undo = Action("ActUndo");
  QAction* redo = Action("ActRedo");
  EXPECT_FALSE(undo->isEnabled());
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "Tols"), "7.5");
  Press(*Grid(), Qt::Key_3, Qt::ControlModifier);
  ASSERT_EQ(Pages()->currentIndex(), 2) << "Ctrl+3 shows the supports";
  {
    TModalScript script;
    AcceptEditor(script);
    Press(*Grid(), Qt::Key_Insert);
    EXPECT_EQ(script.seen, std::vector<std::string>{"TFormPillars"});
  }
  ASSERT_EQ(Grid()->Cell(0, 0), "1");
  messages.answers.push_back(MessageAnswer::Yes);
  Press(*Grid(), Qt::Key_Delete);
  EXPECT_EQ(Main().Document().Project().Pillars.Count(), 0);
  EXPECT_TRUE(undo->isEnabled());

  const struct {
    int key;
    int supports;
    double thickness;
  } steps[] = {
      {Qt::Key_Z, 1, 7.5},  // the deleted support is back
      {Qt::Key_Z, 0, 7.5},  // the added one is gone
      {Qt::Key_Z, 0, 0},    // the thickness as it was
      {Qt::Key_Y, 0, 7.5}, {Qt::Key_Y, 1, 7.5}, {Qt::Key_Y, 0, 7.5},
  };
  const double defaultThickness = TKlimat().IceThickness;
  for (const auto& step : steps) {
    SCOPED_TRACE(step.key == Qt::Key_Z ? "undo" : "redo");
    Press(*Grid(), step.key, Qt::ControlModifier);
    EXPECT_EQ(Main().Document().Project().Pillars.Count(), step.supports);
    EXPECT_EQ(Grid()->Cell(0, 0), step.supports ? "1" : "");
    const double thickness = step.thickness == 0 ? defaultThickness : step.thickness;
    EXPECT_EQ(Child<TRealSpinEdit>(*FrameKlimat(), "Tols")->Value(), thickness);
    if (&step == &steps[2]) {
      EXPECT_FALSE(undo->isEnabled());
      EXPECT_FALSE(Main().IsModified()) << "undone back to the saved state";
    }
  }
  EXPECT_FALSE(redo->isEnabled());
  EXPECT_TRUE(undo->isEnabled());
  Press(*Grid(), Qt::Key_1, Qt::ControlModifier);
  EXPECT_EQ(Pages()->currentIndex(), 0);
  Press(*Grid(), Qt::Key_2, Qt::ControlModifier);
  EXPECT_EQ(Pages()->currentIndex(), 1);
}

TEST_F(MainWindowTest, SupportsGoThroughTheClipboardAndEnterEditsTheRow) {
  fileDialogs.answers.push_back(WriteSample("Route.orv", SampleProject(2)));
  Action("ActProjectOpen")->trigger();
  ClickWidget(*Lab(3));
  Grid()->SelectRow(1);
  Press(*Grid(), Qt::Key_C, Qt::ControlModifier);
  // The plain text is the results table's; the supports travel beside it.
  const QString copied = QString::fromUtf8(QApplication::clipboard()->mimeData()->data(kSupportsMimeType));
  EXPECT_TRUE(copied.startsWith("SupportNumber\tWireName\t")) << copied.toStdString();
  EXPECT_EQ(copied.count('\n'), 2) << "a header and one row of cells";

  Press(*Grid(), Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(Main().Document().Project().Pillars.Count(), 3);
  EXPECT_TRUE(Main().Document().Project().Pillars.Items(2).Equals(SampleProject(2).Pillars.Items(1)));
  EXPECT_EQ(Main().CurrentRow(), 2);

  QApplication::clipboard()->setText("12\tAC 70/11");
  Press(*Grid(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"The clipboard holds no supports."});
  EXPECT_EQ(Main().Document().Project().Pillars.Count(), 3);

  TModalScript script;
  std::string edited;
  script.Then([&](QWidget& dialog) {
    edited = Child<QLineEdit>(dynamic_cast<TFormPillars&>(dialog), "NumbEdit")->text().toStdString();
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  Grid()->SelectRow(0);
  Press(*Grid(), Qt::Key_Return);
  EXPECT_EQ(edited, "P1");
}

TEST_F(MainWindowTest, CalculateWithoutSupportsSaysSoAndRecentProjectsDropWhatIsGone) {
  Action("ActCalcProject")->trigger();
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{"The project has no supports: there is nothing to calculate."});
  EXPECT_TRUE(fileDialogs.requests.empty()) << "no report file is asked for";

  const std::string first = WriteSample("First.orv", SampleProject(1));
  const std::string second = WriteSample("Second.orv", SampleProject(2));
  for (const std::string& path : {first, second}) {
    fileDialogs.answers.push_back(path);
    Action("ActProjectOpen")->trigger();
  }
  QMenu* recent = Main().findChild<QMenu*>("MI_Recent");
  ASSERT_NE(recent, nullptr);
  QMenu* project = qobject_cast<QMenu*>(recent->parentWidget());
  ASSERT_NE(project, nullptr);
  emit project->aboutToShow();
  ASSERT_EQ(recent->actions().size(), 2);
  // The folder beside the name tells apart projects of one name.
  EXPECT_EQ(recent->actions()[0]->text().toStdString(),
            "&1 Second.orv   (" + QDir::toNativeSeparators(QString::fromStdString(scratch.string())).toStdString() + ")");
  EXPECT_EQ(store.values["Recent2"], first) << "kept with the other settings";

  std::filesystem::remove(first);
  messages.shown.clear();
  recent->actions()[1]->trigger();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(first), std::string::npos);
  EXPECT_EQ(Main().Document().FileName(), second);
  emit project->aboutToShow();
  EXPECT_EQ(recent->actions().size(), 1);

  recent->actions()[0]->trigger();  // the open project itself, unchanged: opened again
  EXPECT_EQ(Main().Document().FileName(), second);
}

TEST_F(MainWindowTest, ASupportNumberGivenTwiceIsPointedOutAndMayBeKept) {
  fileDialogs.answers.push_back(WriteSample("Route.orv", SampleProject(2)));
  Action("ActProjectOpen")->trigger();
  ClickWidget(*Lab(3));
  bool stillOpen = false;
  TModalScript script;
  script.Then([&](QWidget& dialog) {
    auto& editor = dynamic_cast<TFormPillars&>(dialog);
    QTest::keyClicks(Child<QLineEdit>(editor, "NumbEdit"), "P1");  // over the proposed "P3"
    messages.answers.push_back(MessageAnswer::No);
    QTest::keyClick(&dialog, Qt::Key_Return);
    stillOpen = dialog.isVisible();
    messages.answers.push_back(MessageAnswer::Yes);
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  Press(*Grid(), Qt::Key_Insert);
  EXPECT_TRUE(stillOpen) << "No goes back to the number";
  EXPECT_EQ(MessageTexts(), std::vector<std::string>(2,
                                                     "Support number P1 is already used by another support "
                                                     "of the project.\r\nKeep this number?"));
  ASSERT_EQ(Main().Document().Project().Pillars.Count(), 3);
  EXPECT_EQ(Main().Document().Project().Pillars.Items(2).SupportNumber, "P1");
}
