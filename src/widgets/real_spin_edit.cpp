#include "widgets/real_spin_edit.h"

#include <QLineEdit>
#include <algorithm>
#include <cmath>

#include "base/errors.h"
#include "base/number_text.h"
#include "qt_text/qt_string.h"
#include "widgets/number_display.h"
#include "widgets/number_input.h"

using namespace orv::base;
using namespace orv::qt_text;

namespace orv::widgets {

namespace {

bool ParseNumber(const QString& text, double& value) {
  try {
    value = TextToFloat(ToStdString(text));
    return true;
  } catch (const OrvError&) {
    return false;
  }
}

}  // namespace

TRealSpinEdit::TRealSpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
  setAccelerated(true);
  connect(lineEdit(), &QLineEdit::textEdited, this, &TRealSpinEdit::TextEdited);
  // A text that is not a number stays in an edit that needs one, for its
  // dialog to point at.
  connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
    if (!needsNumber_ || HasNumber()) ShowValue();
  });
  ShowValue();
}

void TRealSpinEdit::SetValue(double value) {
  if (!std::isfinite(value)) return;
  const bool changed = value != value_;
  value_ = value;
  ShowValue();
  if (changed) emit ValueChanged(value_);
}

void TRealSpinEdit::SetPrecision(int digits) {
  precision_ = digits;
  ShowValue();
}

void TRealSpinEdit::stepBy(int steps) {
  const double stepped = value_ + steps * increment_;
  if (!std::isfinite(stepped)) return;
  // The new value is the one the edit shows, without the binary remainder
  // of the addition (0.1 + 0.2 steps to 0.3, not to 0.30000000000000004).
  SetValue(RoundToSignificant(stepped, precision_));
  selectAll();
}

QValidator::State TRealSpinEdit::validate(QString& input, int& /*pos*/) const {
  return NumberInputState(input);
}

bool TRealSpinEdit::HasNumber() const {
  double parsed = 0;
  return ParseNumber(lineEdit()->text(), parsed);
}

void TRealSpinEdit::focusOutEvent(QFocusEvent* event) {
  const QString typed = lineEdit()->text();
  const bool number = HasNumber();
  QAbstractSpinBox::focusOutEvent(event);
  if (needsNumber_ && !number) lineEdit()->setText(typed);
}

void TRealSpinEdit::fixup(QString& input) const { input = ToQString(GeneralNumberText(value_, precision_)); }

QSize TRealSpinEdit::sizeHint() const {
  QSize size = QAbstractSpinBox::sizeHint();
  // Room for a nine-digit number and the spin buttons.
  const int textWidth = fontMetrics().horizontalAdvance("-0000.00000");
  size.setWidth(std::max(size.width(), textWidth + 36));
  return size;
}

QSize TRealSpinEdit::minimumSizeHint() const { return sizeHint(); }

QAbstractSpinBox::StepEnabled TRealSpinEdit::stepEnabled() const { return StepUpEnabled | StepDownEnabled; }

void TRealSpinEdit::TextEdited(const QString& text) {
  double parsed = 0;
  if (!ParseNumber(text, parsed) || parsed == value_) return;
  value_ = parsed;
  emit ValueChanged(value_);
}

void TRealSpinEdit::ShowValue() { lineEdit()->setText(ToQString(GeneralNumberText(value_, precision_))); }

}  // namespace orv::widgets
