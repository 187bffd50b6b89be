#pragma once

#include <QLineEdit>

// A number field of the wire dialog. Only digits, "-", "." and Backspace get
// through as typed characters; every other character key is swallowed, so a
// decimal comma or a letter never reaches the text. Keys that type nothing
// (arrows, Home, Delete) work as in any edit.
class TWireNumberEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TWireNumberEdit(QWidget* parent = nullptr);

  // True for the characters the field lets through.
  static bool AcceptsCharacter(QChar character);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
