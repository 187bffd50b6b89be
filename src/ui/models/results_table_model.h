#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <vector>

#include "project/results/results_model.h"
#include "project/results/results_table.h"

namespace orv::ui {

// The results table's rows, one per support in list order, with the cells
// of project/results_table.h. Attached to the open project and its results
// model, it follows every recalculation: a change of one support emits
// dataChanged for the rows it changed (its own, and those whose repeated
// number it made or undid); supports added or deleted in one place insert or
// remove the rows in between, so that the rows around keep their selection.
class TResultsTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TResultsTableModel(QObject* parent = nullptr);
  ~TResultsTableModel() override;

  // Follows `results` of `document` until destroyed; shows them at once.
  void Attach(const project::TProjectDocument& document, project::TResultsModel& results);
  // Writes the rows anew from the results, as after a change of language or
  // units (the titles follow).
  void Refresh();
  // Shows `rows`, touching only the rows that differ from those shown.
  void ShowRows(std::vector<project::TResultRow> rows);

  const std::vector<project::TResultRow>& Rows() const { return rows_; }

  // An empty list still shows one row, empty, as the table always has: the
  // window's commands act on the selected row, and a row to click leaves the
  // context menu (Create, Paste) where the user looks for it.
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  // The rows of the results as they stand.
  void ShowResults();
  // Inserts or removes the rows where the shown rows and `rows` part.
  void InsertOrRemove(const std::vector<project::TResultRow>& rows);

  std::vector<project::TResultRow> rows_;
  const project::TProjectDocument* document_ = nullptr;
  project::TResultsModel* results_ = nullptr;
  project::TResultsModel::TToken token_{};
};

// Sorts the results table by a column: numbers by value (rows without one
// last), support numbers as a designer counts them ("9" before "10"), other
// texts as the language sorts them. Column -1 is list order. Equal rows keep
// their list order.
class TResultsSortModel : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

}  // namespace orv::ui
