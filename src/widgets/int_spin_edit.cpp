#include "widgets/int_spin_edit.h"

#include <QLineEdit>
#include <algorithm>
#include <limits>

#include "base/errors.h"
#include "base/number_text.h"
#include "qt_text/qt_string.h"

using namespace orv::base;
using namespace orv::qt_text;

namespace orv::widgets {

TIntSpinEdit::TIntSpinEdit(QWidget* parent)
    : TIntSpinEdit(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), parent) {}

TIntSpinEdit::TIntSpinEdit(int minimum, int maximum, QWidget* parent) : QSpinBox(parent) {
  setRange(minimum, maximum);
  setAccelerated(true);
}

int TIntSpinEdit::Value() const {
  try {
    return std::clamp(TextToInt(ToStdString(cleanText())), minimum(), maximum());
  } catch (const OrvError&) {
    return 0;
  }
}

bool TIntSpinEdit::HasNumber() const {
  try {
    TextToInt(ToStdString(cleanText()));
    return true;
  } catch (const OrvError&) {
    return false;
  }
}

QValidator::State TIntSpinEdit::validate(QString& input, int& pos) const {
  try {
    TextToInt(ToStdString(input));
  } catch (const OrvError&) {
    return QValidator::Intermediate;
  }
  return QSpinBox::validate(input, pos);
}

void TIntSpinEdit::focusOutEvent(QFocusEvent* event) {
  const QString typed = lineEdit()->text();
  const bool number = HasNumber();
  QSpinBox::focusOutEvent(event);
  if (needsNumber_ && !number) lineEdit()->setText(typed);
}

}  // namespace orv::widgets
