#include "ui/dialogs/form_save_project.h"

#include <QFont>
#include <QStyle>
#include <QVBoxLayout>

#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "widgets/dialog_buttons.h"
#include "widgets/local_caption.h"

using namespace orv::settings;
using namespace orv::qt_text;
using namespace orv::widgets;

namespace orv::ui {

TFormSave_Project::TFormSave_Project(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString());
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setAlignment(Qt::AlignCenter);
  QFont font("Arial");
  font.setPixelSize(16);
  Label1->setFont(font);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addSpacing(8);
  const TDialogButtons buttons = AddDialogButtons(*this, *layout, "ОК", "Отмена", TButtonsAlignment::Centre);
  ButOK = buttons.Ok;
  ButOK->setObjectName("ButOK");
  ButCancel = buttons.Cancel;
  ButCancel->setObjectName("ButCancel");
  ButOK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  ButCancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  connect(ButOK, &QPushButton::clicked, this, &QDialog::accept);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  FormShow();
}

void TFormSave_Project::FormShow() {
  Label1->setText(ToDisplayText(IsEnglish() ? "Changes have been done to the project.\r\nSave the project?"
                                            : "В проекте были сделаны изменения.\r\nСохранить проект?"));
  SetOkCaption(ButOK);
  ButCancel->setText(ToDisplayText(IsEnglish() ? "Cancel" : "Отмена"));
}

void TFormSave_Project::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

}  // namespace orv::ui
