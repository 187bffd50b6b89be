#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <vector>

namespace orv::widgets {

// A captioned group of radio buttons, one per item, stacked from the top.
// ItemIndex is the checked item, -1 while none is.
class TRadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  TRadioGroup(int items, QWidget* parent = nullptr);

  int ItemCount() const { return static_cast<int>(buttons_.size()); }
  int ItemIndex() const;
  // An index outside the items leaves no item checked.
  void SetItemIndex(int index);
  void SetItemText(int index, const QString& text);
  QRadioButton* Item(int index) const { return buttons_.at(index); }

 private:
  QButtonGroup group_;
  std::vector<QRadioButton*> buttons_;
};

}  // namespace orv::widgets
