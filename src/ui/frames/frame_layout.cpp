#include "ui/frames/frame_layout.h"

#include <algorithm>

#include "widgets/real_spin_edit.h"

using namespace orv::widgets;

namespace orv::ui {

TRealSpinEdit* NewRealEdit(double value, double increment, QWidget* parent) {
  auto* edit = new TRealSpinEdit(parent);
  edit->SetPrecision(9);
  edit->SetIncrement(increment);
  edit->SetValue(value);
  edit->setFixedWidth(110);
  return edit;
}

void AddEditRow(QGridLayout* grid, QLabel* caption, QWidget* edit, QLabel* unit) {
  const int row = grid->rowCount();
  grid->addWidget(caption, row, 0);
  grid->addWidget(edit, row, 1);
  if (unit) grid->addWidget(unit, row, 2);
}

void AlignCaptions(std::initializer_list<QLabel*> captions) {
  int width = 0;
  for (QLabel* caption : captions) {
    caption->setMinimumWidth(0);
    width = std::max(width, caption->sizeHint().width());
  }
  for (QLabel* caption : captions) caption->setMinimumWidth(width);
}

void NameParts(std::initializer_list<std::pair<QObject*, const char*>> parts) {
  for (const auto& [part, name] : parts) part->setObjectName(name);
}

}  // namespace orv::ui
