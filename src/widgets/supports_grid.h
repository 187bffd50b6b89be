#pragma once

#include "widgets/string_grid.h"

// The main window's list of supports: one column 100 pixels wide, rows 24
// pixels high, a vertical scroll bar only.
class TSupportsGrid : public TStringGrid {
  Q_OBJECT

 public:
  explicit TSupportsGrid(QWidget* parent = nullptr);
};
