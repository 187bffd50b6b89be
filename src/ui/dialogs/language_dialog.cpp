#include "ui/dialogs/language_dialog.h"

#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "settings/localization.h"
#include "widgets/dialog_buttons.h"
#include "widgets/local_caption.h"

using namespace orv::settings;
using namespace orv::widgets;

namespace orv::ui {

namespace {

constexpr const char* kCaption = "Язык (Language)";
// What a title bar needs besides the caption: the window icon, the close
// button and the frame, with some slack for a bold title font.
constexpr int kTitleBarRoom = 160;

}  // namespace

TLanguageDialog::TLanguageDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(kCaption);
  GroupBox = new QGroupBox(this);
  GroupBox->setObjectName("GroupBox");
  Label = new QLabel(kCaption, GroupBox);
  Label->setObjectName("Label");
  cbxLanguage = new QComboBox(GroupBox);
  cbxLanguage->setObjectName("cbxLanguage");
  cbxLanguage->addItems({"English", "Russian (Русский)"});
  cbxLanguage->setCurrentIndex(1);
  auto* boxLayout = new QVBoxLayout(GroupBox);
  boxLayout->addWidget(Label);
  boxLayout->addWidget(cbxLanguage);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(GroupBox);
  const TDialogButtons buttons = AddDialogButtons(*this, *layout, "OK", "Cancel");
  OKBtn = buttons.Ok;
  OKBtn->setObjectName("OKBtn");
  CancelBtn = buttons.Cancel;
  CancelBtn->setObjectName("CancelBtn");
  connect(OKBtn, &QPushButton::clicked, this, &TLanguageDialog::OKBtnClick);
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

void TLanguageDialog::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    SetOkCaption(OKBtn);
    const std::string cancel = LocalText("Cancel");
    CancelBtn->setText(cancel.empty() ? QString("Cancel") : QString::fromStdString(cancel));
  }
  QDialog::showEvent(event);
}

}  // namespace orv::ui
