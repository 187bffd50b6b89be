#include "widgets/radio_group.h"

#include <QVBoxLayout>

namespace orv::widgets {

TRadioGroup::TRadioGroup(int items, QWidget* parent) : QGroupBox(parent) {
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < items; ++i) {
    auto* button = new QRadioButton(this);
    group_.addButton(button, i);
    layout->addWidget(button);
    buttons_.push_back(button);
  }
}

int TRadioGroup::ItemIndex() const { return group_.checkedId(); }

void TRadioGroup::SetItemIndex(int index) {
  if (index >= 0 && index < ItemCount()) {
    buttons_[index]->setChecked(true);
    return;
  }
  // An exclusive group never lets its checked button go, so the exclusivity
  // is lifted for the moment of clearing.
  group_.setExclusive(false);
  for (QRadioButton* button : buttons_) button->setChecked(false);
  group_.setExclusive(true);
}

void TRadioGroup::SetItemText(int index, const QString& text) {
  if (index >= 0 && index < ItemCount()) buttons_[index]->setText(text);
}

}  // namespace orv::widgets
