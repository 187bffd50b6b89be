#pragma once

#include <QSpinBox>

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
};
