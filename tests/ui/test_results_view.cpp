// The results in the main window and the support editor, driven as a user
// would: the table follows every change of the project, the editor shows the
// result of what is typed, and a support that cannot be calculated says why
// in its own row.

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "project/results/results_table.h"
#include "project/catalogue/wire_catalog.h"
#include "support/find_child.h"
#include "support/worked_example.h"
#include "test_main_window_fixture.h"
#include "ui/frames/frm_klimat.h"
#include "ui/pillars/form_pillars.h"
#include "ui/pillars/live_result_panel.h"
#include "ui/models/results_table_model.h"
#include "ui/results/supports_view.h"
#include "widgets/navigation_label.h"
#include "widgets/real_spin_edit.h"

using namespace orv::calc;
using namespace orv::project;
using namespace orv::widgets;
using namespace orv::ui;

namespace {

constexpr int kLoad = static_cast<int>(TResultColumn::Load);
constexpr int kWeightSpan = static_cast<int>(TResultColumn::WeightSpan);
constexpr int kMark = static_cast<int>(TResultColumn::Mark);
constexpr int kVerdict = static_cast<int>(TResultColumn::Verdict);

// Clears the field as the user does: select all, Backspace.
void Empty(QWidget& edit) {
  QWidget* line = edit.findChild<QLineEdit*>();
  line->setFocus();
  QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(line, Qt::Key_Backspace);
  ProcessEvents();
}

class ResultsViewTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Catalogue().Add(WorkedExampleWire());
    TProject project;
    project.Klimat = WorkedExampleKlimat();
    project.Pillars.Add(WorkedExampleSupport("1", kWorkedExampleWireName));
    TPillar longer = WorkedExampleSupport("2", kWorkedExampleWireName);
    longer.SpanLeft = longer.SpanRight = longer.SpanEquivalent = 260;
    project.Pillars.Add(longer);
    project.Pillars.Add(WorkedExampleSupport("3", "АС 999/1"));
    Main().Document().Open(WriteSample("line.orv", project));
    ClickWidget(*Lab(3));
  }

  std::vector<std::string> Column(int column) {
    std::vector<std::string> cells;
    for (int row = 0; row < Grid()->RowCount(); ++row) cells.push_back(Grid()->Cell(column, row));
    return cells;
  }
};

TEST_F(ResultsViewTest, SpanTypedInTheEditorShowsAtOnceAndReachesTheRowOnOk) {
  const std::string before = Grid()->Cell(kLoad, 0);
  EXPECT_EQ(before, "19.9");
  std::string liveBefore, liveAfter, reasonBefore;
  TModalScript script;
  script.Then([&](QWidget& dialog) {
    auto& editor = dynamic_cast<TFormPillars&>(dialog);
    ProcessEvents();
    liveBefore = Child<QLabel>(editor, "LiveLoad")->text().toStdString();
    reasonBefore = Child<QLabel>(editor, "LiveReason")->text().toStdString();
    for (TRealSpinEdit* span :
         {Child<TRealSpinEdit>(editor, "ProletLeftSpEdit"), Child<TRealSpinEdit>(editor, "ProletRightSpEdit"),
          Child<TRealSpinEdit>(editor, "ProletPrivedSpEdit")})
      TypeInto(*span, "150");
    liveAfter = Child<QLabel>(editor, "LiveLoad")->text().toStdString();
    Empty(*Child<TRealSpinEdit>(editor, "ProletLeftSpEdit"));
    EXPECT_EQ(Child<QLabel>(editor, "LiveVerdict")->text().toStdString(),
              "On the left: the field is empty, enter a number.");
    TypeInto(*Child<TRealSpinEdit>(editor, "ProletLeftSpEdit"), "150");
    QTest::mouseClick(Child<QPushButton>(editor, "BitBtnOK"), Qt::LeftButton);
  });
  Grid()->setFocus();
  QTest::keyClick(Grid(), Qt::Key_Return);
  EXPECT_EQ(script.seen, std::vector<std::string>{"TFormPillars"});
  EXPECT_EQ(liveBefore.substr(0, before.size() + 1), before + " ");
  EXPECT_EQ(reasonBefore,
            "Governing case reduced wind: smallest weight span 334.7 m, the support has 200 m; maximum wind needs "
            "16 kg; with the hardware hung: maximum wind 43.4° (limit 45°), reduced wind 10° (limit 10°)");
  EXPECT_NE(liveAfter, liveBefore);
  EXPECT_NE(Grid()->Cell(kLoad, 0), before);
  EXPECT_EQ(liveAfter.substr(0, Grid()->Cell(kLoad, 0).size() + 1), Grid()->Cell(kLoad, 0) + " ");
}

// A large font on a short screen, from the first opening on: the editor
// stays on the screen, the result scrolls above OK and Cancel, and nothing
// moves while the result grows.
TEST_F(ResultsViewTest, EditorTallerThanTheScreenScrollsItsResultAboveTheButtons) {
  const QFont usual = QApplication::font();
  QFont large = usual;
  large.setPointSizeF(usual.pointSizeF() * 1.15);
  QApplication::setFont(large);
  ProcessEvents();
  TModalScript script;
  script.Then([&](QWidget& dialog) {
    ProcessEvents();
    const QRect frame = dialog.frameGeometry();
    EXPECT_TRUE(dialog.screen()->availableGeometry().contains(frame));
    TypeInto(*Child<TRealSpinEdit>(dialog, "ProletLeftSpEdit"), "999999999");
    TypeInto(*Child<TRealSpinEdit>(dialog, "AlfaPSpEdit"), "200");
    ProcessEvents();
    EXPECT_EQ(dialog.frameGeometry(), frame);
    auto* result = Child<QScrollArea>(dialog, "LiveResultScroll");
    const QWidget* ok = Child<QPushButton>(dialog, "BitBtnOK");
    EXPECT_LT(result->geometry().bottom(), ok->mapTo(&dialog, QPoint(0, 0)).y());
    EXPECT_LE(ok->mapTo(&dialog, QPoint(0, ok->height())).y(), dialog.height());
    EXPECT_TRUE(result->verticalScrollBar()->isVisible());
    Child<QPushButton>(dialog, "BitBtnCancel")->click();
  });
  Grid()->setFocus();
  QTest::keyClick(Grid(), Qt::Key_Return);
  QApplication::setFont(usual);
  EXPECT_EQ(script.seen, std::vector<std::string>{"TFormPillars"});
}

TEST_F(ResultsViewTest, ClimateChangeRecalculatesEveryRow) {
  const std::vector<std::string> loads = Column(kLoad);
  const std::vector<std::string> spans = Column(kWeightSpan);
  ClickWidget(*Lab(1));
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "VMax"), "33");
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "Tols"), "15");
  ClickWidget(*Lab(3));
  for (int row : {0, 1}) {
    SCOPED_TRACE(row);
    EXPECT_NE(Grid()->Cell(kLoad, row), loads[row]);
    EXPECT_NE(Grid()->Cell(kWeightSpan, row), spans[row]);
  }
  EXPECT_EQ(Main().Document().Project().Klimat.WindVelocityMax, 33);
}

TEST_F(ResultsViewTest, SupportWithoutItsWireSaysSoInItsRowWithoutABox) {
  EXPECT_EQ(Grid()->Cell(kMark, 2), "✖ Data error");
  EXPECT_NE(Grid()->Cell(kVerdict, 2).find("\"АС 999/1\": Input the data for this wire"), std::string::npos);
  EXPECT_EQ(Grid()->Cell(kMark, 0), "≈ Dampers");
  EXPECT_TRUE(messages.shown.empty());
  // Every class's text fits its column, not only those of the rows shown.
  for (TVerdictClass c : {TVerdictClass::NothingNeeded, TVerdictClass::OverLimit, TVerdictClass::Tearing})
    EXPECT_GT(Grid()->columnWidth(kMark),
              Grid()->fontMetrics().horizontalAdvance(QString::fromStdString(ResultClassText(c))));

  // Sorted by the result, Ctrl+C copies the rows as shown; Enter edits the
  // support of the row, not the one at that place in the list.
  Grid()->horizontalHeader()->viewport()->setFocus();
  const int at = Grid()->horizontalHeader()->sectionViewportPosition(kMark) + 5;
  QTest::mouseClick(Grid()->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(at, 5));
  QTest::mouseClick(Grid()->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(at, 5));
  EXPECT_EQ(Column(0), (std::vector<std::string>{"3", "2", "1"}));
  Grid()->setFocus();
  Grid()->SelectRow(0);
  QTest::keyClick(Grid(), Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
  const QStringList lines = QApplication::clipboard()->text().split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(lines[0].startsWith("Support\tResult\tWire\t"));
  EXPECT_TRUE(lines[1].startsWith("3\t✖ Data error\tАС 999/1\t"));
  // The results, then the supports' own fields, which paste back.
  EXPECT_EQ(lines[2].split('\t')[kResultColumns], "2");
  EXPECT_TRUE(lines[0].split('\t')[kResultColumns] == "SupportNumber");
  std::string edited;
  TModalScript script;
  script.Then([&](QWidget& dialog) {
    edited = Child<QLineEdit>(dynamic_cast<TFormPillars&>(dialog), "NumbEdit")->text().toStdString();
    Child<QPushButton>(dynamic_cast<TFormPillars&>(dialog), "BitBtnCancel")->click();
  });
  Grid()->SelectRow(2);
  QTest::keyClick(Grid(), Qt::Key_Return);
  EXPECT_EQ(edited, "1");
}

// Rows of supports carrying the numbers given, in list order; the number
// decides the class and the load, so that equal numbers give equal rows.
std::vector<TResultRow> RowsNumbered(const std::vector<int>& numbers) {
  std::vector<TResultRow> rows;
  for (int number : numbers) {
    TResultRow row;
    row.Index = static_cast<int>(rows.size());
    row.Class = static_cast<TVerdictClass>(number % 6);
    row.Cells[0] = std::to_string(number);
    row.Cells[kLoad] = std::to_string(number * 10);
    row.SortValues[kLoad] = number * 10.0;
    row.DuplicateNumber = number == 9;
    rows.push_back(row);
  }
  return rows;
}

// What each view row shows, and the support it stands for; a blank cell
// shows as much as none.
std::vector<std::string> Shown(const TSupportsView& grid) {
  std::vector<std::string> shown;
  for (int row = 0; row < grid.RowCount(); ++row) {
    std::string line = std::to_string(grid.SourceRow(row));
    for (int column = 0; column < kResultColumns; ++column) {
      const QModelIndex cell = grid.model()->index(row, column);
      line += "|" + cell.data().toString().toStdString();
      if (!cell.data(Qt::DecorationRole).value<QIcon>().isNull()) line += "!";
      line += cell.data(Qt::BackgroundRole).value<QBrush>().color().name().toStdString();
    }
    shown.push_back(line);
  }
  return shown;
}

// Supports added or deleted in one place move the rows around them, in list
// order and sorted: the table must show what a fresh one shows.
TEST(SupportsGrid, RowsAddedOrDeletedShowAsInAFreshTable) {
  const std::vector<std::vector<int>> steps = {{1, 2, 3, 4, 5}, {1, 2, 9, 3, 4, 5}, {9, 1, 2, 9, 3, 4, 5, 7},
                                               {1, 2, 9, 5},    {1, 2, 5, 5},       {3},
                                               {},              {4, 5}};
  for (const int sortColumn : {-1, kLoad}) {
    TResultsTableModel rows;
    TSupportsView grid(rows);
    grid.SortBy(sortColumn, Qt::DescendingOrder);
    for (const std::vector<int>& numbers : steps) {
      rows.ShowRows(RowsNumbered(numbers));
      TResultsTableModel freshRows;
      TSupportsView fresh(freshRows);
      fresh.SortBy(sortColumn, Qt::DescendingOrder);
      freshRows.ShowRows(RowsNumbered(numbers));
      EXPECT_EQ(Shown(grid), Shown(fresh)) << sortColumn << ", " << numbers.size() << " rows";
    }
  }
}

}  // namespace
