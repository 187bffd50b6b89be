#include "widgets/wires_grid.h"

namespace orv::widgets {

TWiresGrid::TWiresGrid(QSortFilterProxyModel* proxy, QWidget* parent) : TRowsView(20, parent) {
  SetProxy(proxy);
  const int widths[kColumns] = {104, 67, 67, 74, 75, 95};
  for (int column = 0; column < kColumns; ++column) setColumnWidth(column, widths[column]);
}

}  // namespace orv::widgets
