#pragma once

#include <QObject>

class QTableView;

namespace orv::widgets {

// Keeps a table's first column in view while the table scrolls sideways: a
// view of that column alone lies over it, sharing the model and the
// selection, and scrolls up and down with the table. Owned by the table.
class TFrozenColumn : public QObject {
  Q_OBJECT

 public:
  explicit TFrozenColumn(QTableView& table);
  QTableView* View() const { return frozen_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowOnlyTheFirstColumn();
  void UpdateGeometry();

  QTableView& table_;
  QTableView* frozen_;
};

}  // namespace orv::widgets
