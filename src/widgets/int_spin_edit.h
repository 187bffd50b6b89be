#pragma once

#include <QSpinBox>

namespace orv::widgets {

// A spin edit for a whole number, stepping by 1, with or without bounds.
class TIntSpinEdit : public QSpinBox {
  Q_OBJECT

 public:
  // Without bounds: every value of a 32-bit integer.
  explicit TIntSpinEdit(QWidget* parent = nullptr);
  TIntSpinEdit(int minimum, int maximum, QWidget* parent = nullptr);

  // The number the text shows, kept within the bounds; 0 while the text is
  // not a whole number (empty, or a lone sign being typed).
  int Value() const;
  void SetValue(int value) { setValue(value); }
  // True while the text is a whole number. An edit that needs a number keeps
  // a text that is none (an emptied field) when the focus leaves, so that its
  // dialog can point at it; otherwise the text goes back to the value.
  bool HasNumber() const;
  void SetNeedsNumber(bool needs) { needsNumber_ = needs; }

  // A text that is not a whole number stays as typed, as in every number
  // field, instead of losing the characters the spin box would refuse.
  QValidator::State validate(QString& input, int& pos) const override;

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool needsNumber_ = false;
};

}  // namespace orv::widgets
