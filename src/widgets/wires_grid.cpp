#include "widgets/wires_grid.h"

namespace orv::widgets {

TWiresGrid::TWiresGrid(QWidget* parent) : TStringGrid(kColumns, 20, parent) {
  SetColumnWidths({104, 67, 67, 74, 75, 95});
}

}  // namespace orv::widgets
