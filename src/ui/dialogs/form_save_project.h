#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace orv::ui {

// Asks whether to save a changed project, question and buttons in the
// current language. Closing the window counts as Cancel.
class TFormSave_Project : public QDialog {
  Q_OBJECT

 public:
  explicit TFormSave_Project(QWidget* parent = nullptr);

 private:
  void FormShow();

  QLabel* Label1;
  QPushButton* ButOK;
  QPushButton* ButCancel;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace orv::ui
