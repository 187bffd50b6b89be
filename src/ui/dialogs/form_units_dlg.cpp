#include "ui/dialogs/form_units_dlg.h"

#include <QVBoxLayout>

#include "settings/units.h"
#include "widgets/dialog_buttons.h"
#include "widgets/local_caption.h"

using namespace orv::settings;
using namespace orv::widgets;

namespace orv::ui {

TFormUnitsDlg::TFormUnitsDlg(QWidget* parent) : QDialog(parent) {
  rgUnits = new TRadioGroup(2, this);
  rgUnits->setObjectName("rgUnits");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(rgUnits);
  const TDialogButtons buttons = AddDialogButtons(*this, *layout, "OK");
  OKBtn = buttons.Ok;
  OKBtn->setObjectName("OKBtn");
  CancelBtn = buttons.Cancel;
  CancelBtn->setObjectName("CancelBtn");
  connect(OKBtn, &QPushButton::clicked, this, &TFormUnitsDlg::OKBtnClick);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormUnitsDlg::FormShow() {
  SetLocalWindowTitle(this, "Units");
  SetLocalCaption(rgUnits, "Units");
  SetLocalCaption(rgUnits->Item(0), "Tension_daN");
  SetLocalCaption(rgUnits->Item(1), "Tension_N");
  SetOkCaption(OKBtn);
  SetLocalCaption(CancelBtn, "Cancel");
  // Every index but 0 is the N-based system, so a stored "5" or "-1" shows
  // the item that is in force instead of no item at all.
  rgUnits->SetItemIndex(ReadUnitsSetting() == 0 ? 0 : 1);
}

void TFormUnitsDlg::OKBtnClick() {
  SetUnits(rgUnits->ItemIndex() == 0 ? 0 : 1);
  accept();
  emit UnitsChanged();
}

void TFormUnitsDlg::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

}  // namespace orv::ui
