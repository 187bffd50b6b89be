#include "widgets/string_grid.h"

#include <QHeaderView>
#include <algorithm>

#include "qt_text/qt_string.h"

using namespace orv::qt_text;

namespace orv::widgets {

TStringGrid::TStringGrid(int columns, int rowHeight, QWidget* parent) : QTableWidget(1, columns, parent) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);
  setWordWrap(false);
  connect(this, &QTableWidget::currentCellChanged, this, &TStringGrid::CurrentCellChanged);
  connect(this, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int) { emit RowDoubleClicked(row); });
}

void TStringGrid::SetRowCount(int rows) { setRowCount(std::max(rows, 1)); }

std::string TStringGrid::Cell(int column, int row) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell ? ToStdString(cell->text()) : std::string();
}

void TStringGrid::SetCell(int column, int row, const std::string& text) {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
  QTableWidgetItem* cell = item(row, column);
  if (!cell) {
    cell = new QTableWidgetItem;
    setItem(row, column, cell);
  }
  cell->setText(ToQString(text));
}

void TStringGrid::ClearRow(int row) {
  for (int column = 0; column < columnCount(); ++column) SetCell(column, row, std::string());
}

int TStringGrid::SelectedRow() const { return currentRow(); }

void TStringGrid::SelectRow(int row) {
  if (row < 0 || row >= rowCount()) return;
  // The row becomes the only one selected, whatever was selected before, so
  // that what is highlighted is what the commands act on.
  const QModelIndex cell = model()->index(row, std::max(currentColumn(), 0));
  selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(cell);
}

void TStringGrid::SetColumnWidths(const std::vector<int>& widths) {
  const int count = std::min(static_cast<int>(widths.size()), columnCount());
  for (int column = 0; column < count; ++column) setColumnWidth(column, widths[column]);
}

void TStringGrid::CurrentCellChanged(int row, int, int previousRow, int) {
  if (row >= 0 && row != previousRow) emit RowSelected(row);
}

}  // namespace orv::widgets
