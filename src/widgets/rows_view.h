#pragma once

#include <QTableView>
#include <string>
#include <vector>

class QSortFilterProxyModel;

namespace orv::widgets {

// A read-only table of whole rows, each of the same fixed height, showing a
// model through a sort proxy. "Rows" of the view are the rows as shown (in
// the proxy's order); "source rows" are the model's own.
class TRowsView : public QTableView {
  Q_OBJECT

 public:
  TRowsView(int rowHeight, QWidget* parent = nullptr);

  // Shows `proxy` (whose source is the model) and follows its current row.
  void SetProxy(QSortFilterProxyModel* proxy);
  QSortFilterProxyModel* Proxy() const { return proxy_; }

  int RowCount() const;
  // The text a cell shows; empty outside the table.
  std::string Cell(int column, int row) const;
  // The current row, -1 when none is.
  int SelectedRow() const;
  // Makes `row` current and the only one selected, scrolled into view; a row
  // outside the table changes nothing.
  void SelectRow(int row);
  // Source row of a shown row and back; -1 outside the table.
  int SourceRow(int row) const;
  int ViewRow(int sourceRow) const;
  // The source rows of the selected rows, in the order shown; the current
  // row when nothing is selected.
  std::vector<int> SelectedSourceRows() const;

 signals:
  // The current row changed, by the user, by SelectRow or by a sort.
  void RowSelected(int row);
  void RowDoubleClicked(int row);

 private:
  QSortFilterProxyModel* proxy_ = nullptr;
};

}  // namespace orv::widgets
