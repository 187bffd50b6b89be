#pragma once

#include <QLineEdit>

namespace orv::ui {

// A number field of the wire dialog. It takes what the catalogue grid shows,
// exponent included ("1.92E-5"), and refuses every text that cannot grow
// into such a number, whether typed or pasted: a decimal comma or a letter
// never reaches the text. The usual editing keys (Ctrl+A, Ctrl+C, Ctrl+V,
// Ctrl+Z) work as in any edit.
class TWireNumberEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TWireNumberEdit(QWidget* parent = nullptr);
};

}  // namespace orv::ui
