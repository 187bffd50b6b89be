#include "widgets/number_input.h"

#include "base/errors.h"
#include "base/number_text.h"
#include "qt_text/qt_string.h"

namespace orv::widgets {

QValidator::State NumberInputState(QString& input) {
  input.replace(',', '.');
  try {
    base::TextToFloat(qt_text::ToStdString(input));
    return QValidator::Acceptable;
  } catch (const base::OrvError&) {
    return QValidator::Intermediate;
  }
}

QValidator::State TNumberValidator::validate(QString& input, int& /*pos*/) const {
  return NumberInputState(input);
}

}  // namespace orv::widgets
