// The results table driven as a user drives it: sorting by a title, picking
// rows with the mouse and the keyboard, copying them to a spreadsheet and
// back, deleting several at once and undoing each step.

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTest>

#include "project/results/results_table.h"
#include "project/catalogue/wire_catalog.h"
#include "support/worked_example.h"
#include "test_main_window_fixture.h"
#include "ui/main_window/form_main.h"
#include "ui/models/results_table_model.h"
#include "ui/results/supports_view.h"
#include "widgets/navigation_label.h"

using namespace orv::calc;
using namespace orv::project;
using namespace orv::settings;
using namespace orv::ui;

namespace {

using Names = std::vector<std::string>;
constexpr int kLoad = static_cast<int>(TResultColumn::Load);

class ResultsTableTest : public MainWindowTest {
 protected:
  // Five supports, the longer the span the later in the list; "=4" is a
  // number a spreadsheet would take for a formula.
  void SetUp() override {
    MainWindowTest::SetUp();
    Catalogue().Add(WorkedExampleWire());
    TProject project;
    project.Klimat = WorkedExampleKlimat();
    for (const char* number : {"1", "10", "2", "=4", "9"}) {
      TPillar support = WorkedExampleSupport(number, kWorkedExampleWireName);
      support.SpanLeft = support.SpanRight = support.SpanEquivalent = 150 + 30 * project.Pillars.Count();
      project.Pillars.Add(support);
    }
    Main().Document().Open(WriteSample("line.orv", project));
    ClickWidget(*Lab(3));
    Grid()->setFocus();
  }

  Names Numbers() {
    Names numbers;
    for (int row = 0; row < Grid()->RowCount(); ++row) numbers.push_back(Grid()->Cell(0, row));
    return numbers;
  }
  Names ProjectNumbers() {
    Names numbers;
    const TPillarList& supports = Main().Document().Project().Pillars;
    for (int i = 0; i < supports.Count(); ++i) numbers.push_back(supports.Items(i).SupportNumber);
    return numbers;
  }
  void ClickTitle(int column) {
    QHeaderView* titles = Grid()->horizontalHeader();
    const QPoint at(titles->sectionViewportPosition(column) + 5, 5);
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, at);
  }
  // Sorted by load, descending: the rows without a load first.
  void ExpectDescendingLoads() {
    std::vector<double> loads;
    for (int row = 0; row < Grid()->RowCount(); ++row) {
      const std::string load = Grid()->Cell(kLoad, row);
      if (!load.empty()) loads.push_back(std::stod(load));
      else EXPECT_TRUE(loads.empty()) << row;
    }
    EXPECT_TRUE(std::is_sorted(loads.rbegin(), loads.rend()));
  }
  void ClickRow(int row, Qt::KeyboardModifiers keys = {}) {
    const QRect cell = Grid()->visualRect(Grid()->model()->index(row, 2));
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, keys, cell.center());
  }
};

TEST_F(ResultsTableTest, SortSelectCopyPasteDeleteAndUndo) {
  const Names listed = {"1", "10", "2", "=4", "9"};
  // Each click on a title: ascending, descending, then list order again.
  const struct {
    int column;
    Names shown;
  } clicks[] = {
      {0, {"1", "2", "9", "10", "=4"}},
      {0, {"=4", "10", "9", "2", "1"}},
      {0, listed},
      {kLoad, {}},  // by load: checked against the values below
      {kLoad, {}},
  };
  for (const auto& click : clicks) {
    ClickTitle(click.column);
    if (!click.shown.empty()) {
      EXPECT_EQ(Numbers(), click.shown) << click.column;
    }
    // The arrow fits beside every title.
    for (int column = 0; column + 1 < kResultColumns; ++column) {
      EXPECT_LE(Grid()->horizontalHeader()->sectionSizeHint(column), Grid()->columnWidth(column)) << column;
    }
  }
  ASSERT_EQ(Grid()->horizontalHeader()->sortIndicatorSection(), kLoad);
  ExpectDescendingLoads();
  const Names sortedByLoad = Numbers();

  // Ctrl+End goes to the last row without scrolling sideways.
  QTest::keyClick(Grid(), Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(Grid()->SelectedRow(), 4);
  EXPECT_EQ(Grid()->horizontalScrollBar()->value(), 0);

  // Two rows, copied and pasted back as a spreadsheet gives them: text only.
  const int formula = static_cast<int>(std::find(sortedByLoad.begin(), sortedByLoad.end(), "=4") - sortedByLoad.begin());
  const int other = formula == 0 ? 2 : 0;
  ClickRow(other);
  ClickRow(formula, Qt::ControlModifier);
  QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
  const QString copied = QApplication::clipboard()->text();
  EXPECT_TRUE(copied.contains("\n'=4\t")) << "a number that reads as a formula is quoted";
  QApplication::clipboard()->setText(copied);
  const TPillar first = Main().Document().Project().Pillars.Items(Grid()->SourceRow(std::min(other, formula)));
  const TPillar third = Main().Document().Project().Pillars.Items(Grid()->SourceRow(std::max(other, formula)));
  ClickRow(4);
  const int after = Grid()->SourceRow(4) + 1;
  Action("ActPillarPasteClipboard")->trigger();
  ASSERT_TRUE(MessageTexts().empty()) << MessageTexts().front();
  ASSERT_EQ(Main().Document().Project().Pillars.Count(), 7);
  EXPECT_EQ(Main().Document().Project().Pillars.Items(after), first);
  EXPECT_EQ(Main().Document().Project().Pillars.Items(after + 1), third);
  Action("ActUndo")->trigger();
  EXPECT_EQ(ProjectNumbers(), listed);
  EXPECT_EQ(Numbers(), sortedByLoad) << "the order chosen stays";

  // Three rows picked with the mouse and Shift go after one question, as
  // one step to undo.
  ClickRow(1);
  ClickRow(3, Qt::ShiftModifier);
  Names gone = {sortedByLoad[1], sortedByLoad[2], sortedByLoad[3]};
  messages.answers.push_back(MessageAnswer::Yes);
  QTest::keyClick(Grid(), Qt::Key_Delete);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("3 selected supports"), std::string::npos) << "[" << messages.shown[0].text << "]";
  Names left = listed;
  std::erase_if(left, [&](const std::string& n) { return std::find(gone.begin(), gone.end(), n) != gone.end(); });
  EXPECT_EQ(ProjectNumbers(), left);
  EXPECT_EQ(Numbers(), (Names{sortedByLoad[0], sortedByLoad[4]}));
  Action("ActUndo")->trigger();
  EXPECT_EQ(ProjectNumbers(), listed);
  EXPECT_EQ(Numbers(), sortedByLoad);

  // An edit moves its row to its place in the order, the selection with it.
  ClickRow(4);
  const int edited = Grid()->SourceRow(4);
  TPillar support = Main().Document().Project().Pillars.Items(edited);
  support.SpanLeft = support.SpanRight = support.SpanEquivalent = 600;
  Main().Document().EditSupport(edited, support);
  EXPECT_EQ(Grid()->SourceRow(Grid()->SelectedRow()), edited);
  ExpectDescendingLoads();

  // Every row deleted: one empty row stays, the frozen column over the
  // first column alone.
  QTest::keyClick(Grid(), Qt::Key_A, Qt::ControlModifier);
  messages.answers.push_back(MessageAnswer::Yes);
  QTest::keyClick(Grid(), Qt::Key_Delete);
  EXPECT_EQ(ProjectNumbers(), Names{});
  EXPECT_EQ(Numbers(), Names{""});
  const auto* frozen = Grid()->findChild<QTableView*>("FrozenColumn");
  for (int column = 1; column < kResultColumns; ++column) EXPECT_TRUE(frozen->isColumnHidden(column)) << column;
  Action("ActUndo")->trigger();
  EXPECT_EQ(Numbers().size(), 5u);
}


}  // namespace
