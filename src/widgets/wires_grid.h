#pragma once

#include "widgets/rows_view.h"

namespace orv::widgets {

// The wire catalogue's table: six columns of 104, 67, 67, 74, 75 and 95
// pixels, rows 20 pixels high, showing `proxy`. Its headings are separate
// buttons of the window, so the table itself shows none.
class TWiresGrid : public TRowsView {
  Q_OBJECT

 public:
  static constexpr int kColumns = 6;
  explicit TWiresGrid(QSortFilterProxyModel* proxy, QWidget* parent = nullptr);
};

}  // namespace orv::widgets
