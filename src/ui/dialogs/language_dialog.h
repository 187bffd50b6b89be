#pragma once

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace orv::ui {

// Chooses the program's language. Its caption and list are the same in both
// languages, so that a user who cannot read the current one finds the other;
// its buttons follow the current language. The list keeps its choice between
// openings within a run.
class TLanguageDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TLanguageDialog(QWidget* parent = nullptr);

 private:
  // Sets the language of the selected item and ends the dialog with OK.
  void OKBtnClick();

  QGroupBox* GroupBox;
  QLabel* Label;
  QComboBox* cbxLanguage;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace orv::ui
