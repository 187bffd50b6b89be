#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTest>

#include "ui/models/results_table_model.h"
#include "ui/results/supports_view.h"
#include "widgets/navigation_label.h"
#include "widgets/radio_group.h"
#include "widgets/rows_view.h"
#include "widgets/wires_grid.h"

using namespace orv::project;
using namespace orv::widgets;
using namespace orv::ui;

namespace {

QPoint CellCentre(const TRowsView& grid, int row, int column) {
  return grid.visualRect(grid.model()->index(row, column)).center();
}

// A table of `rows` rows of `columns` texts "row:column", behind a sort proxy.
struct Table {
  Table(int rows, int columns, int rowHeight = 20) : grid(rowHeight) {
    texts.setColumnCount(columns);
    for (int row = 0; row < rows; ++row) {
      QList<QStandardItem*> items;
      for (int column = 0; column < columns; ++column)
        items.append(new QStandardItem(QString("%1:%2").arg(row).arg(column)));
      texts.appendRow(items);
    }
    proxy.setSourceModel(&texts);
    grid.SetProxy(&proxy);
  }
  QStandardItemModel texts;
  QSortFilterProxyModel proxy;
  TRowsView grid;
};

TEST(RowsView, CellsShowUtf8AndNothingOutsideTheTable) {
  Table table(2, 2);
  table.texts.item(1, 1)->setText(QString::fromUtf8("АС 70/11"));
  EXPECT_EQ(table.grid.Cell(1, 1), "АС 70/11");
  EXPECT_EQ(table.grid.Cell(0, 0), "0:0");
  EXPECT_EQ(table.grid.Cell(2, 0), "");
  EXPECT_EQ(table.grid.Cell(0, 2), "");
  EXPECT_EQ(table.grid.Cell(-1, 0), "");
}

TEST(RowsView, SortedRowsMapToTheirSourceRowsAndBack) {
  Table table(3, 1);
  table.proxy.sort(0, Qt::DescendingOrder);
  EXPECT_EQ(table.grid.Cell(0, 0), "2:0");
  EXPECT_EQ(table.grid.SourceRow(0), 2);
  EXPECT_EQ(table.grid.ViewRow(0), 2);
  EXPECT_EQ(table.grid.SourceRow(3), -1);
  EXPECT_EQ(table.grid.ViewRow(-1), -1);
}

TEST(RowsView, ClickSelectsTheWholeRowAndDoubleClickReportsIt) {
  Table table(3, 6);
  TRowsView& grid = table.grid;
  grid.resize(600, 200);
  grid.show();
  QSignalSpy selected(&grid, &TRowsView::RowSelected);
  QSignalSpy doubled(&grid, &TRowsView::RowDoubleClicked);

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

TEST(RowsView, SelectRowOutsideTheTableChangesNothing) {
  Table table(2, 1, 24);
  TRowsView& grid = table.grid;
  grid.SelectRow(1);
  QSignalSpy selected(&grid, &TRowsView::RowSelected);
  grid.SelectRow(5);
  grid.SelectRow(-1);
  EXPECT_EQ(grid.SelectedRow(), 1);
  EXPECT_EQ(selected.count(), 0);
  EXPECT_EQ(grid.SelectedSourceRows(), std::vector<int>{1});
}

TEST(Grids, FixedRowHeightsAndColumnWidths) {
  TResultsTableModel rows;
  TSupportsView supports(rows);
  rows.ShowRows(std::vector<TResultRow>(3));
  // The list of supports is the results table: the number first.
  EXPECT_EQ(supports.model()->columnCount(), kResultColumns);
  EXPECT_EQ(supports.rowHeight(2), 24);
  EXPECT_EQ(supports.columnWidth(0), 70);
  EXPECT_EQ(supports.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
  EXPECT_EQ(supports.editTriggers(), QAbstractItemView::NoEditTriggers);

  QStandardItemModel texts(2, 6);
  QSortFilterProxyModel proxy;
  proxy.setSourceModel(&texts);
  TWiresGrid wires(&proxy);
  EXPECT_EQ(wires.model()->columnCount(), 6);
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
