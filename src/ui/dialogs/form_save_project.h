#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

// Asks whether to save a changed project. The question follows the
// language; the buttons read "ОК" and "Отмена" in both languages. Closing the
// window counts as Cancel.
class TFormSave_Project : public QDialog {
  Q_OBJECT

 public:
  explicit TFormSave_Project(QWidget* parent = nullptr);

  void FormShow();

  QLabel* Label1;
  QPushButton* ButOK;
  QPushButton* ButCancel;

 protected:
  void showEvent(QShowEvent* event) override;
};
