#pragma once

#include "widgets/string_grid.h"

namespace orv::widgets {

// The wire catalogue's grid: six columns of 104, 67, 67, 74, 75 and 95
// pixels, rows 20 pixels high. Its headings are separate buttons of the
// window, so the grid itself shows none.
class TWiresGrid : public TStringGrid {
  Q_OBJECT

 public:
  static constexpr int kColumns = 6;
  explicit TWiresGrid(QWidget* parent = nullptr);
};

}  // namespace orv::widgets
