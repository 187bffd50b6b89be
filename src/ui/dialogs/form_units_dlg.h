#pragma once

#include <QDialog>
#include <QPushButton>

#include "widgets/radio_group.h"

namespace orv::ui {

// Chooses the units setting: item 0 the daN-based system, item 1 the
// N-based one. Only OK changes the setting.
class TFormUnitsDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TFormUnitsDlg(QWidget* parent = nullptr);

 private:
  // Captions in the current language and the stored choice selected.
  void FormShow();
  // Stores the selected system and ends the dialog with OK.
  void OKBtnClick();

  widgets::TRadioGroup* rgUnits;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 signals:
  // OK stored a setting: windows showing converted values redraw them.
  void UnitsChanged();

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace orv::ui
