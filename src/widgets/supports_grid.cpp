#include "widgets/supports_grid.h"

TSupportsGrid::TSupportsGrid(QWidget* parent) : TStringGrid(1, 24, parent) {
  setColumnWidth(0, 100);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}
