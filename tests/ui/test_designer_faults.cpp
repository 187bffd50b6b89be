// The desktop program as a line designer works in it: each case drives the
// windows by clicks and keys on the shipped examples.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "project/file/project_file.h"
#include "project/results/results_table.h"
#include "project/results/support_clipboard.h"
#include "project/catalogue/wire_catalog.h"
#include "support/find_child.h"
#include "test_main_window_fixture.h"
#include "ui/pillars/form_pillars.h"
#include "ui/pillars/live_result_panel.h"
#include "ui/wires/form_wires_base.h"
#include "widgets/wires_grid.h"
#include "widgets/input_problem.h"
#include "widgets/int_spin_edit.h"
#include "widgets/navigation_label.h"
#include "widgets/profile_view.h"
#include "widgets/real_spin_edit.h"
#include "widgets/wires_grid.h"
#include "ui/results/supports_view.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::widgets;
using namespace orv::ui;

namespace {

class DesignerTest : public MainWindowTest {
 protected:
  const TPillar& Support(int row) { return Main().Document().Project().Pillars.Items(row); }
  // Opens the editor on `row` by a double click and lets `work` act in it.
  void EditRow(int row, std::function<void(TFormPillars&)> work) {
    TModalScript script;
    script.Then([work](QWidget& dialog) { work(dynamic_cast<TFormPillars&>(dialog)); });
    Grid()->SelectRow(row);
    emit Grid()->RowDoubleClicked(row);
    ASSERT_EQ(script.seen.size(), 1u);
  }
};

int GridRowOf(const TRowsView& grid, const std::string& text) {
  for (int row = 0; row < grid.RowCount(); ++row)
    if (grid.Cell(0, row) == text) return row;
  return -1;
}

void ClickTab(QTabWidget& pages, int index) {
  QTabBar* bar = pages.tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

}  // namespace

// Looking at the other page loses nothing; the pages are one pair of limits
// in two units; editing one limit converts that one alone, unrounded, and
// the other keeps its exact value through the file.
TEST_F(DesignerTest, StressPagesShowOneLimitInTwoUnitsAndAnEditKeepsTheOtherExact) {
  OpenShippedExample(0, "line_110kv_en.orv");
  const double area = Catalogue().List().FindByName(Support(1).WireName).WireArea;
  ASSERT_GT(area, 0);
  EditRow(1, [&](TFormPillars& editor) {
    ClickTab(*Child<QTabWidget>(editor, "PcNapr"), 1);
    EXPECT_DOUBLE_EQ(Child<TRealSpinEdit>(editor, "seTag_max")->Value(), 13.5 * area);
    EXPECT_DOUBLE_EQ(Child<TRealSpinEdit>(editor, "seTag_srg")->Value(), 9 * area);
    Child<QPushButton>(editor, "BitBtnOK")->click();
  });
  EXPECT_EQ(Support(1).TensionMode, 0);
  EXPECT_EQ(Support(1).StressMax, 13.5);
  EXPECT_FALSE(Main().IsModified());

  EditRow(1, [&](TFormPillars& editor) {
    ClickTab(*Child<QTabWidget>(editor, "PcNapr"), 1);
    TypeInto(*Child<TRealSpinEdit>(editor, "seTag_max"), "2400");
    EXPECT_DOUBLE_EQ(Child<TRealSpinEdit>(editor, "seNapr_max")->Value(), 2400 / area);
    EXPECT_EQ(Child<TRealSpinEdit>(editor, "seNapr_srg")->Value(), 9);
    Child<QPushButton>(editor, "BitBtnOK")->click();
  });
  fileDialogs.answers.push_back(ScratchPath("tensions.orv"));
  Action("ActProjectSaveAs")->trigger();
  TProject reread;
  LoadProjectFile(ScratchPath("tensions.orv"), reread);
  const TPillar& stored = reread.Pillars.Items(1);
  EXPECT_EQ(stored.StressAverage, 9) << "the untouched limit";
  EXPECT_NEAR(stored.TensionMode == 0 ? stored.StressMax * area : stored.TensionMax, 2400, 1e-9);
  EditRow(1, [&](TFormPillars& editor) {
    EXPECT_EQ(Child<TRealSpinEdit>(editor, "seNapr_srg")->text().toStdString(), "9");
    ClickTab(*Child<QTabWidget>(editor, "PcNapr"), 1);
    EXPECT_NEAR(Child<TRealSpinEdit>(editor, "seTag_max")->Value(), 2400, 1e-9);
    Child<QPushButton>(editor, "BitBtnCancel")->click();
  });

  // Both tensions typed whole are kept as tensions.
  EditRow(2, [&](TFormPillars& editor) {
    ClickTab(*Child<QTabWidget>(editor, "PcNapr"), 1);
    TypeInto(*Child<TRealSpinEdit>(editor, "seTag_max"), "2500");
    TypeInto(*Child<TRealSpinEdit>(editor, "seTag_srg"), "1600");
    Child<QPushButton>(editor, "BitBtnOK")->click();
  });
  EXPECT_EQ(Support(2).TensionMode, 1);
  EXPECT_EQ(Support(2).TensionMax, 2500);
  EXPECT_EQ(Support(2).TensionAverage, 1600);
}

// Every number field of the support editor reads a decimal comma as a
// point, and refuses a text that is not a number, naming the field, instead
// of dropping the letter.
TEST_F(DesignerTest, EveryNumberFieldOfTheSupportEditorTakesACommaAndRefusesALetter) {
  OpenShippedExample(0, "line_110kv_en.orv");
  EditRow(0, [&](TFormPillars& editor) {
    const QList<TRealSpinEdit*> fields = editor.findChildren<TRealSpinEdit*>();
    ASSERT_EQ(fields.size(), 19);
    for (TRealSpinEdit* field : fields) {
      SCOPED_TRACE(field->objectName().toStdString());
      Child<QTabWidget>(editor, "PcNapr")->setCurrentWidget(field->parentWidget() == Child<QWidget>(editor, "TabSheetTag") ? Child<QWidget>(editor, "TabSheetTag")
                                                                                 : Child<QWidget>(editor, "TabNapr"));
      TypeInto(*field, "2o0");
      EXPECT_EQ(field->text().toStdString(), "2o0");
      Child<QPushButton>(editor, "BitBtnOK")->click();
      EXPECT_TRUE(editor.isVisible());
      EXPECT_TRUE(Child<TInputProblem>(editor, "Problem")->isVisible());
      EXPECT_TRUE(Child<TInputProblem>(editor, "Problem")->text().endsWith(": enter a number, for example 12.5 or 1.92E-5."));
      EXPECT_EQ(Child<TInputProblem>(editor, "Problem")->Field(), field);
      TypeInto(*field, "142,5");
      EXPECT_EQ(field->Value(), 142.5);
    }
    TypeInto(*Child<TIntSpinEdit>(editor, "sePhaseNumb"), "2o");
    Child<QPushButton>(editor, "BitBtnOK")->click();
    EXPECT_EQ(Child<TInputProblem>(editor, "Problem")->Field(), Child<TIntSpinEdit>(editor, "sePhaseNumb"));
    TypeInto(*Child<TIntSpinEdit>(editor, "sePhaseNumb"), "2");
    ClickTab(*Child<QTabWidget>(editor, "PcNapr"), 0);  // the limits typed last are the support's
    TypeInto(*Child<TRealSpinEdit>(editor, "seNapr_max"), "142,5");
    TypeInto(*Child<TRealSpinEdit>(editor, "seNapr_srg"), "142,5");
    Child<QPushButton>(editor, "BitBtnOK")->click();
    EXPECT_FALSE(editor.isVisible());
  });
  const TPillar& stored = Support(0);
  for (double value : {stored.StressMax, stored.StressAverage, stored.TurnAngle, stored.SpanLeft, stored.SpanRight,
                       stored.SpanEquivalent, stored.GroundLeft, stored.GroundThis, stored.GroundRight,
                       stored.HeightLeft, stored.HeightThis, stored.HeightRight, stored.AlfaP, stored.AlfaAB,
                       stored.AlfaBal, stored.DamperWeight, stored.InsulatorWeight})
    EXPECT_EQ(value, 142.5);
  EXPECT_EQ(stored.WiresInPhase, 2);
}

// A support that cannot be calculated says which field, of which support,
// once; the delete question names the support.
TEST_F(DesignerTest, MessagesNameTheFieldTheSupportAndTheWire) {
  OpenShippedExample(0, "line_110kv_en.orv");
  EditRow(0, [&](TFormPillars& editor) {
    TypeInto(*Child<TRealSpinEdit>(editor, "ProletLeftSpEdit"), "0");
    ProcessEvents();
    EXPECT_EQ(Child<QLabel>(editor, "LiveVerdict")->text().toStdString(),
              "✖ Data error: Support 101: the span on the left is 0 m: enter its length, more than 0.");
    Child<QPushButton>(editor, "BitBtnCancel")->click();
  });
  messages.answers.push_back(MessageAnswer::No);
  Action("ActPillarDelete")->trigger();
  EXPECT_EQ(MessageTexts().back(), "Are you sure you would like to delete the support?\r\nSupport 101 (АС 150/24)");
}

// Undo shows where it changed the line; one row is selected and it is the
// one the commands act on.
TEST_F(DesignerTest, UndoInALongLineShowsTheSupportItChanged) {
  fileDialogs.answers.push_back(WriteSample("long.orv", SampleProject(400)));
  Action("ActProjectOpen")->trigger();
  ClickWidget(*Lab(3));
  EditRow(350, [](TFormPillars& editor) {
    TypeInto(*Child<TRealSpinEdit>(editor, "ProletLeftSpEdit"), "333");
    Child<QPushButton>(editor, "BitBtnOK")->click();
  });
  Grid()->SelectRow(3);
  Action("ActUndo")->trigger();
  EXPECT_EQ(Main().CurrentRow(), 350);
  EXPECT_EQ(Grid()->selectionModel()->selectedRows().size(), 1);
  EXPECT_EQ(Grid()->SelectedRow(), Grid()->ViewRow(350));
  const QRect shown = Grid()->visualRect(Grid()->model()->index(Grid()->ViewRow(350), 0));
  EXPECT_TRUE(Grid()->viewport()->rect().intersects(shown));

  Action("ActPillarCopy")->trigger();
  Action("ActPillarPasteClipboard")->trigger();
  EXPECT_EQ(Grid()->selectionModel()->selectedRows().size(), 1);
  EXPECT_EQ(Main().CurrentRow(), 351);
}

// Fifty supports from the clipboard are one change: one recalculation of
// the line, one step to undo.
TEST_F(DesignerTest, PastingFiftySupportsIsOneUndoStepAndOneRecalculation) {
  fileDialogs.answers.push_back(WriteSample("line.orv", SampleProject(10)));
  Action("ActProjectOpen")->trigger();
  ClickWidget(*Lab(3));
  Grid()->SelectRow(Grid()->ViewRow(4));
  QApplication::clipboard()->setText(QString::fromStdString(
      SupportsToClipboardText(std::vector<TPillar>(50, SampleProject(1).Pillars.Items(0)))));
  const int recalculations = Workspace().Results.Recalculations();

  Action("ActPillarPasteClipboard")->trigger();
  EXPECT_EQ(Main().Document().Project().Pillars.Count(), 60);
  EXPECT_EQ(Workspace().Results.Recalculations(), recalculations + 1);
  EXPECT_EQ(Grid()->RowCount(), 60);
  EXPECT_EQ(Main().CurrentRow(), 5) << "the first pasted support";

  Action("ActUndo")->trigger();
  EXPECT_EQ(Main().Document().Project().Pillars.Count(), 10);
  EXPECT_FALSE(Main().Document().CanUndo());
  EXPECT_EQ(Grid()->RowCount(), 10);
}

// Calculate says where the report is when no program opens it.
TEST_F(DesignerTest, CalculateSaysWhereTheReportIsWhenNothingOpensIt) {
  OpenShippedExample(0, "line_110kv_en.orv");
  folders.programFolder = std::string(ORVANE_PROGRAM_DIR) + "/";  // the report templates
  shell.refusal = "no program to open .xls workbooks is set up in the system.";
  fileDialogs.answers.push_back(ScratchPath("line.xls"));
  Action("ActCalcProject")->trigger();
  EXPECT_EQ(fileDialogs.requests.back().fileName.substr(fileDialogs.requests.back().fileName.size() - 17),
            "line_110kv_en.xls");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"The report is saved to " + ScratchPath("line.xls") +
                                                     ".\r\nIt could not be opened: " + shell.refusal});
}

// A wire in use is deleted only after a question that names its supports,
// and Ctrl+Z in the catalogue brings it back without touching the project.
TEST_F(DesignerTest, DeletingAWireInUseAsksNamingItsSupportsAndIsUndone) {
  OpenShippedExample(0, "line_110kv_en.orv");
  Action("ActWiresGuide")->trigger();
  TFormWiresBase& wires = Windows().FormWiresBase();
  const int count = Catalogue().List().Count();
  Child<TWiresGrid>(wires, "Grid")->SelectRow(GridRowOf(*Child<TWiresGrid>(wires, "Grid"), "АС 150/24"));
  messages.answers.push_back(MessageAnswer::Yes);
  Child<QPushButton>(wires, "BtnDelete")->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("supports of the open project use this wire: 101, 102"), std::string::npos)
      << messages.shown[0].text;
  EXPECT_EQ(Catalogue().List().Count(), count - 1);
  EXPECT_TRUE(Workspace().Results.Outcome(0)->WireMissing) << "the results follow the catalogue at once";
  // The grid's menu item, which Ctrl+Z also reaches in this window.
  EXPECT_EQ(Child<QAction>(wires, "MiUndo")->shortcut(), QKeySequence(QKeySequence::Undo));
  Child<QAction>(wires, "MiUndo")->trigger();
  EXPECT_EQ(Catalogue().List().Count(), count);
  EXPECT_FALSE(Workspace().Results.Outcome(0)->WireMissing);
  EXPECT_EQ(Child<TWiresGrid>(wires, "Grid")->Cell(0, Child<TWiresGrid>(wires, "Grid")->SelectedRow()),
            "АС 150/24");
  EXPECT_FALSE(Main().Document().CanUndo());
  wires.hide();
}

// The catalogue reads as a designer reads it: numbers by value, Latin and
// Cyrillic look-alikes as one in the search.
TEST_F(DesignerTest, CatalogueSortsNamesByTheirNumbersAndFindsLatinTyping) {
  OpenShippedExample(0, "line_110kv_en.orv");
  Action("ActWiresGuide")->trigger();
  TFormWiresBase& wires = Windows().FormWiresBase();
  EXPECT_LT(GridRowOf(*Child<TWiresGrid>(wires, "Grid"), "АС 50/8"),
            GridRowOf(*Child<TWiresGrid>(wires, "Grid"), "АС 400/51"));
  TypeInto(*Child<QLineEdit>(wires, "EditSearch"), "ac 70");
  EXPECT_EQ(Child<TWiresGrid>(wires, "Grid")->Cell(0, 0), "АС 70/11");
  wires.hide();
}

// A line of a thousand supports: the profile zooms in far enough to tell the
// spans apart, follows the support chosen in the table, and fits the whole
// line again; the support column stays in view when the table scrolls.
TEST_F(DesignerTest, LongLineZoomsScrollsAndKeepsTheSupportColumn) {
  fileDialogs.answers.push_back(WriteSample("long.orv", SampleProject(1000)));
  Action("ActProjectOpen")->trigger();
  ClickWidget(*Lab(3));
  ClickTab(*Main().findChild<QTabWidget*>("Pictures"), 1);
  auto* profile = Main().findChild<ProfileView*>("ProfileView");
  ASSERT_NE(profile, nullptr);
  for (int i = 0; i < 40; ++i) ClickWidget(*profile->ZoomInButton);
  EXPECT_GT(profile->widget()->width() / 1000, 60) << "a span gets room at the deepest zoom";
  Grid()->SelectRow(700);
  const int x = profile->horizontalScrollBar()->value();
  EXPECT_GT(x, 0);
  // The zoom keys work from the table too.
  Grid()->setFocus();
  QTest::keyClick(Grid(), Qt::Key_0);
  EXPECT_EQ(profile->widget()->width(), std::max(profile->viewport()->width(), 200));
  QTest::keyClick(Grid(), Qt::Key_Plus);
  EXPECT_GT(profile->zoom(), 1);

  Grid()->horizontalScrollBar()->setValue(Grid()->horizontalScrollBar()->maximum());
  auto* frozen = Grid()->findChild<QTableView*>("FrozenColumn");
  ASSERT_NE(frozen, nullptr);
  EXPECT_TRUE(frozen->isVisible());
  EXPECT_EQ(frozen->model()->data(frozen->model()->index(Grid()->SelectedRow(), 0)).toString().toStdString(),
            "P701");

  // Another line opens seen whole.
  fileDialogs.answers.push_back(std::string(ORVANE_SOURCE_DIR) + "/examples/line_110kv_en.orv");
  Action("ActProjectOpen")->trigger();
  EXPECT_EQ(profile->zoom(), 1);
}

// The Russian reason line has its subject and a capital; the governing state
// is named, not only numbered.
TEST_F(DesignerTest, RussianReasonAndGoverningStateReadAsSentences) {
  OpenShippedExample(1, "line_35kv_ru.orv");
  EditRow(0, [](TFormPillars& editor) {
    ProcessEvents();
    EXPECT_EQ(Child<QLabel>(editor, "LiveReason")->text().left(22).toStdString(), "Определяющий режим «по");
    Child<QPushButton>(editor, "BitBtnCancel")->click();
  });
  TModalScript script;
  script.Then([](QWidget& details) {
    const auto* lines = details.findChild<QTableWidget*>();
    bool named = false;
    for (int row = 0; row < lines->rowCount(); ++row)
      if (lines->item(row, 0) && lines->item(row, 0)->text() == "Исходный режим")
        named = lines->item(row, 1)->text().contains(" — ");
    EXPECT_TRUE(named);
    dynamic_cast<QDialog&>(details).accept();
  });
  Action("ActPillarDetails")->trigger();
}

// The title marks a project with unsaved changes, and after "Don't save"
// the program closes without asking again.
TEST_F(DesignerTest, TitleMarksUnsavedAndDontSaveCloses) {
  OpenShippedExample(0, "line_110kv_en.orv");
  EXPECT_EQ(Main().windowTitle().left(2), "Ca");
  EditRow(0, [](TFormPillars& editor) {
    TypeInto(*Child<TRealSpinEdit>(editor, "ProletLeftSpEdit"), "271");
    Child<QPushButton>(editor, "BitBtnOK")->click();
  });
  EXPECT_EQ(Main().windowTitle().left(2), "* ");
  messages.answers.push_back(MessageAnswer::No);
  Action("ActExit")->trigger();
  ProcessEvents();
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_FALSE(Main().isVisible());
}

// At the default size no heading and no "To hang" text is cut.
TEST_F(DesignerTest, ResultsHeadingsAndWhatToHangAreNotClipped) {
  for (const auto& [language, example] : {std::pair{0, "line_110kv_en.orv"}, std::pair{1, "line_35kv_ru.orv"}}) {
    if (language == 1) StopWindows();
    OpenShippedExample(language, example);
    ClickWidget(*Lab(3));
    TSupportsView& grid = *Grid();
    for (int column = 0; column < grid.model()->columnCount() - 1; ++column)
      EXPECT_LE(grid.horizontalHeader()->sectionSizeHint(column), grid.columnWidth(column)) << column;
    const int hang = static_cast<int>(TResultColumn::Hang);
    for (int row = 0; row < grid.RowCount(); ++row)
      EXPECT_LT(grid.fontMetrics().horizontalAdvance(QString::fromStdString(grid.Cell(hang, row))),
                grid.columnWidth(hang))
          << grid.Cell(hang, row);
  }
}
