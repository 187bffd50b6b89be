#include "widgets/rows_view.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <algorithm>

#include "qt_text/qt_string.h"

using namespace orv::qt_text;

namespace orv::widgets {

TRowsView::TRowsView(int rowHeight, QWidget* parent) : QTableView(parent) {
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
  connect(this, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex& index) { emit RowDoubleClicked(index.row()); });
}

void TRowsView::SetProxy(QSortFilterProxyModel* proxy) {
  proxy_ = proxy;
  setModel(proxy);
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current, const QModelIndex& previous) {
            if (current.isValid() && current.row() != previous.row()) emit RowSelected(current.row());
          });
}

int TRowsView::RowCount() const { return model() ? model()->rowCount() : 0; }

std::string TRowsView::Cell(int column, int row) const {
  if (!model()) return {};
  return ToStdString(model()->index(row, column).data().toString());
}

int TRowsView::SelectedRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void TRowsView::SelectRow(int row) {
  if (row < 0 || row >= RowCount()) return;
  // The row becomes the only one selected, whatever was selected before, so
  // that what is highlighted is what the commands act on.
  const QModelIndex cell = model()->index(row, std::max(currentIndex().column(), 0));
  selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(cell);
}

int TRowsView::SourceRow(int row) const {
  if (!proxy_ || row < 0 || row >= RowCount()) return -1;
  return proxy_->mapToSource(proxy_->index(row, 0)).row();
}

int TRowsView::ViewRow(int sourceRow) const {
  if (!proxy_ || sourceRow < 0 || sourceRow >= proxy_->sourceModel()->rowCount()) return -1;
  return proxy_->mapFromSource(proxy_->sourceModel()->index(sourceRow, 0)).row();
}

std::vector<int> TRowsView::SelectedSourceRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  if (rows.empty() && SelectedRow() >= 0) rows.push_back(SelectedRow());
  std::sort(rows.begin(), rows.end());
  for (int& row : rows) row = SourceRow(row);
  return rows;
}

}  // namespace orv::widgets
