#include "ui/wires/wire_number_edit.h"

#include <QRegularExpressionValidator>

namespace orv::ui {

namespace {

// Every text on the way to a number: "-", "1.", "1.92E", "1.92E-".
const QRegularExpression& NumberPrefix() {
  static const QRegularExpression pattern(R"([+-]?\d*\.?\d*([eE][+-]?\d*)?)");
  return pattern;
}

}  // namespace

TWireNumberEdit::TWireNumberEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new QRegularExpressionValidator(NumberPrefix(), this));
}

}  // namespace orv::ui
