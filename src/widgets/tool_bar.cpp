#include "widgets/tool_bar.h"

#include <QWidget>

namespace orv::widgets {

TToolBar::TToolBar(QWidget* parent) : QToolBar(parent) {
  setMovable(false);
  setFloatable(false);
}

void TToolBar::AddGap(int pixels) {
  auto* gap = new QWidget(this);
  gap->setFixedWidth(pixels);
  addWidget(gap);
}

}  // namespace orv::widgets
