#include "ui/dialogs/language_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "settings/localization.h"

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

  OKBtn = new QPushButton("OK", this);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton("Cancel", this);
  connect(OKBtn, &QPushButton::clicked, this, &TLanguageDialog::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(GroupBox);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setMinimumWidth(280);
}

void TLanguageDialog::OKBtnClick() {
  SetLanguage(cbxLanguage->currentIndex());
  accept();
}
