#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <string>
#include <vector>

#include "project/catalogue/wire_catalog.h"

namespace orv::ui {

// The wire catalogue window's rows: the records of the chosen group whose
// names hold the searched text, in catalogue order, each row keyed by the
// record's index. Follows the catalogue: an edit that leaves the same
// records shown rewrites their rows, anything else resets the table.
class TWiresTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kColumns = 6;

  explicit TWiresTableModel(project::TWireCatalog& catalog, QObject* parent = nullptr);
  ~TWiresTableModel() override;

  // Shows the records of `group` (0: every group) whose names hold `search`
  // (compared as WireSearchKey compares).
  void SetFilter(int group, const std::string& search);
  // The values again, as after a change of units.
  void Refresh();

  // The index in the catalogue of the record a row stands for; -1 for the
  // empty row. Of two records of one name the row of either stands for the
  // first: the windows and the project find a wire by its name, so the first
  // of the name is the one a support uses, and the one edited, deleted or
  // chosen, whichever of the rows is clicked.
  int RecordIndex(int row) const;
  // The row showing the record at `index`; -1 when it is not shown.
  int RowOf(int index) const;
  // The record shown in `row`; null for the empty row.
  const calc::TWireRecord* Record(int row) const;

  // A table with no record shown still has one row, empty: the window's
  // commands act on "the selected row", and the catalogue's grid has always
  // kept one, so a filter that matches nothing leaves a row to stand on
  // rather than no selection at all.
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  void CatalogChanged();
  std::vector<int> ShownRecords() const;

  project::TWireCatalog& catalog_;
  project::TWireCatalog::TToken token_;
  int group_ = 0;
  std::string search_;  // as WireSearchKey gives it
  std::vector<int> shown_;
};

// Sorts the catalogue's rows by a column, ascending: names as people read
// them (CompareWireNames on their Windows-1251 bytes), the other columns by
// value. Equal rows keep their catalogue order, so sorting again by the same
// column changes nothing, and a wire added or edited takes its place in the
// order chosen.
class TWiresSortModel : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

}  // namespace orv::ui
