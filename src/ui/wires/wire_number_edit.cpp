#include "ui/wires/wire_number_edit.h"

#include <QKeyEvent>

namespace {

// Keys the dialog itself needs: they type no character into the field and
// go on to the default button, Cancel or the next field.
bool IsDialogKey(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Tab ||
         key == Qt::Key_Backtab;
}

}  // namespace

TWireNumberEdit::TWireNumberEdit(QWidget* parent) : QLineEdit(parent) {}

bool TWireNumberEdit::AcceptsCharacter(QChar character) {
  return (character >= '0' && character <= '9') || character == '-' || character == '.' || character == '\b';
}

void TWireNumberEdit::keyPressEvent(QKeyEvent* event) {
  if (!IsDialogKey(event->key())) {
    // Control characters count too: Ctrl+V would otherwise paste any text.
    for (QChar character : event->text()) {
      if (!AcceptsCharacter(character)) {
        event->accept();
        return;
      }
    }
  }
  QLineEdit::keyPressEvent(event);
}
