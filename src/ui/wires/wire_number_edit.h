#pragma once

#include <QLineEdit>

namespace orv::ui {

// A number field of the wire dialog. It takes what the catalogue grid shows,
// exponent included ("1.92E-5"), and what is typed as every number field
// takes it (widgets/number_input.h): a decimal comma reads as a point, and a
// text that is not a number stays for the dialog to point at. The usual
// editing keys (Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+Z) work as in any edit.
class TWireNumberEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TWireNumberEdit(QWidget* parent = nullptr);
};

}  // namespace orv::ui
