#pragma once

#include <QAbstractSpinBox>

namespace orv::widgets {

// A spin edit for a real number without bounds. It shows the general number
// form with at most Precision() significant digits. What it takes as typed
// is the same in every number field (widgets/number_input.h). The value is kept as it was set until the user edits the text, so a
// value with more digits than are shown survives showing and reading back.
class TRealSpinEdit : public QAbstractSpinBox {
  Q_OBJECT

 public:
  explicit TRealSpinEdit(QWidget* parent = nullptr);

  // The value last set or typed. While the text is not (yet) a number, such
  // as an empty text or a lone "-", the last number stays.
  double Value() const { return value_; }
  // A value that is not finite is refused and the edit keeps its value.
  void SetValue(double value);

  // True while the text is a number. An edit that needs a number keeps a
  // text that is none (an emptied field) when the focus leaves, so that its
  // dialog can point at it; otherwise such a text goes back to the value.
  bool HasNumber() const;
  void SetNeedsNumber(bool needs) { needsNumber_ = needs; }

  double Increment() const { return increment_; }
  void SetIncrement(double increment) { increment_ = increment; }
  int Precision() const { return precision_; }
  void SetPrecision(int digits);

  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void ValueChanged(double value);

 protected:
  StepEnabled stepEnabled() const override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void TextEdited(const QString& text);
  void ShowValue();

  double value_ = 0;
  double increment_ = 0.5;
  int precision_ = 9;
  bool needsNumber_ = false;
};

}  // namespace orv::widgets
