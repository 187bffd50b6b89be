#include "ui/dialogs/language_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "settings/localization.h"

namespace {

constexpr const char* kCaption = "Язык (Language)";
// What a title bar needs besides the caption: the window icon, the close
// button and the frame, with some slack for a bold title font.
constexpr int kTitleBarRoom = 160;

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
  // The fixed size follows the contents; they are made wide enough for the
  // whole caption to fit in the title bar.
  const int titleWidth = fontMetrics().horizontalAdvance(kCaption) * 5 / 4 + kTitleBarRoom;
  GroupBox->setMinimumWidth(std::max(280, titleWidth) - 2 * layout->contentsMargins().left());
}

void TLanguageDialog::OKBtnClick() {
  SetLanguage(cbxLanguage->currentIndex());
  accept();
}
