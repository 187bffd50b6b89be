#include "ui/dialogs/language_dialog.h"

#include <QVBoxLayout>

#include "settings/localization.h"
#include "widgets/dialog_buttons.h"

namespace {

constexpr const char* kCaption = "Язык (Language)";

}  // namespace

TLanguageDialog::TLanguageDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(kCaption);
  GroupBox = new QGroupBox(this);
  Label = new QLabel(kCaption, GroupBox);
  cbxLanguage = new QComboBox(GroupBox);
  cbxLanguage->addItems({"English", "Russian (Русский)"});
  cbxLanguage->setCurrentIndex(1);
  auto* boxLayout = new QVBoxLayout(GroupBox);
  boxLayout->addWidget(Label);
  boxLayout->addWidget(cbxLanguage);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(GroupBox);
  const TDialogButtons buttons = AddDialogButtons(*this, *layout, "OK", "Cancel");
  OKBtn = buttons.Ok;
  CancelBtn = buttons.Cancel;
  connect(OKBtn, &QPushButton::clicked, this, &TLanguageDialog::OKBtnClick);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setMinimumWidth(280);
}

void TLanguageDialog::OKBtnClick() {
  SetLanguage(cbxLanguage->currentIndex());
  accept();
}
