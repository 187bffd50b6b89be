#include "ui/wires/wire_number_edit.h"

#include "widgets/number_input.h"

namespace orv::ui {

TWireNumberEdit::TWireNumberEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new widgets::TNumberValidator(this));
}

}  // namespace orv::ui
