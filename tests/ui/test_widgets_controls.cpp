#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "ui/results/supports_grid.h"
#include "widgets/navigation_label.h"
#include "widgets/radio_group.h"
#include "widgets/string_grid.h"
#include "widgets/wires_grid.h"

using namespace orv::project;
using namespace orv::widgets;
using namespace orv::ui;

namespace {

QPoint CellCentre(const TStringGrid& grid, int row, int column) {
  return grid.visualRect(grid.model()->index(row, column)).center();
}

TEST(StringGrid, KeepsAtLeastOneRow) {
  const std::pair<int, int> cases[] = {{0, 1}, {-5, 1}, {1, 1}, {7, 7}};
  for (const auto& [requested, expected] : cases) {
    TStringGrid grid(2, 20);
    grid.SetRowCount(requested);
    EXPECT_EQ(grid.RowCount(), expected) << requested;
  }
}

TEST(StringGrid, CellsHoldUtf8AndIgnoreWritesOutsideTheGrid) {
  TStringGrid grid(2, 20);
  grid.SetRowCount(2);
  grid.SetCell(1, 1, "АС 70/11");
  grid.SetCell(2, 0, "outside");
  grid.SetCell(0, 2, "outside");
  grid.SetCell(-1, 0, "outside");
  EXPECT_EQ(grid.Cell(1, 1), "АС 70/11");
  EXPECT_EQ(grid.Cell(0, 0), "");
  EXPECT_EQ(grid.Cell(2, 0), "");
  grid.ClearRow(1);
  EXPECT_EQ(grid.Cell(1, 1), "");
}

TEST(StringGrid, ShrinkingDropsTheRowsBeyond) {
  TStringGrid grid(1, 20);
  grid.SetRowCount(3);
  grid.SetCell(0, 2, "3");
  grid.SetRowCount(0);
  grid.SetRowCount(3);
  EXPECT_EQ(grid.Cell(0, 2), "");
}

TEST(StringGrid, ClickSelectsTheWholeRowAndDoubleClickReportsIt) {
  TStringGrid grid(6, 20);
  grid.resize(600, 200);
  grid.SetRowCount(3);
  grid.show();
  QSignalSpy selected(&grid, &TStringGrid::RowSelected);
  QSignalSpy doubled(&grid, &TStringGrid::RowDoubleClicked);

  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(grid, 2, 3));
  EXPECT_EQ(grid.SelectedRow(), 2);
  EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 6);
  ASSERT_GE(selected.count(), 1);
  EXPECT_EQ(selected.last().at(0).toInt(), 2);

  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(grid, 1, 0));
  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(grid, 1, 0));
  ASSERT_EQ(doubled.count(), 1);
  EXPECT_EQ(doubled.first().at(0).toInt(), 1);
}

TEST(StringGrid, SelectRowOutsideTheGridChangesNothing) {
  TStringGrid grid(1, 24);
  grid.SetRowCount(2);
  grid.SelectRow(1);
  QSignalSpy selected(&grid, &TStringGrid::RowSelected);
  grid.SelectRow(5);
  grid.SelectRow(-1);
  EXPECT_EQ(grid.SelectedRow(), 1);
  EXPECT_EQ(selected.count(), 0);
}

TEST(Grids, FixedRowHeightsAndColumnWidths) {
  TSupportsGrid supports;
  supports.SetRowCount(3);
  // The list of supports is the results table: the number first.
  EXPECT_EQ(supports.columnCount(), kResultColumns);
  EXPECT_EQ(supports.rowHeight(2), 24);
  EXPECT_EQ(supports.columnWidth(0), 70);
  EXPECT_EQ(supports.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
  EXPECT_EQ(supports.editTriggers(), QAbstractItemView::NoEditTriggers);

  TWiresGrid wires;
  wires.SetRowCount(2);
  EXPECT_EQ(wires.columnCount(), 6);
  EXPECT_EQ(wires.rowHeight(1), 20);
  const int widths[] = {104, 67, 67, 74, 75, 95};
  for (int column = 0; column < 6; ++column) EXPECT_EQ(wires.columnWidth(column), widths[column]);
}

TEST(NavigationLabel, ActiveLabelStandsOutAndClicksReportTheLabel) {
  TNavigationLabel label(2);
  label.resize(200, 40);
  label.show();
  EXPECT_FALSE(label.IsActive());
  const QPalette colours = QApplication::palette(&label);
  EXPECT_EQ(label.BackgroundColour(), colours.color(QPalette::Button));
  label.SetActive(true);
  EXPECT_EQ(label.BackgroundColour(), QColor(197, 213, 238));
  EXPECT_EQ(label.BorderColour(), colours.color(QPalette::Highlight));
  // Leaving the section gives the label its plain colours back.
  label.SetActive(false);
  EXPECT_EQ(label.BackgroundColour(), colours.color(QPalette::Button));
  EXPECT_EQ(label.BorderColour(), colours.color(QPalette::Dark));

  QSignalSpy clicked(&label, &TNavigationLabel::Clicked);
  QTest::mouseClick(&label, Qt::LeftButton);
  QTest::mouseClick(&label, Qt::RightButton);
  ASSERT_EQ(clicked.count(), 1);
  EXPECT_EQ(qvariant_cast<TNavigationLabel*>(clicked.first().at(0))->Tag(), 2);
}

TEST(RadioGroup, ItemIndexFollowsTheCheckedButton) {
  TRadioGroup group(2);
  EXPECT_EQ(group.ItemIndex(), -1);
  const std::pair<int, int> cases[] = {{1, 1}, {0, 0}, {5, -1}, {1, 1}, {-1, -1}};
  for (const auto& [set, expected] : cases) {
    group.SetItemIndex(set);
    EXPECT_EQ(group.ItemIndex(), expected) << set;
  }
  group.show();
  QTest::mouseClick(group.Item(1), Qt::LeftButton, {}, QPoint(5, group.Item(1)->height() / 2));
  EXPECT_EQ(group.ItemIndex(), 1);
  group.Item(0)->click();
  EXPECT_EQ(group.ItemIndex(), 0);
}

}  // namespace
