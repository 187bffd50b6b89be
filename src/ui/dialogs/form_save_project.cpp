#include "ui/dialogs/form_save_project.h"

#include <QFont>
#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/qt_string.h"
#include "settings/localization.h"

TFormSave_Project::TFormSave_Project(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString());
  Label1 = new QLabel(this);
  Label1->setAlignment(Qt::AlignCenter);
  QFont font("Arial");
  font.setPixelSize(16);
  Label1->setFont(font);

  // The captions are Cyrillic in both languages: "ОК" is written with the
  // Cyrillic letters О and К.
  ButOK = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "ОК", this);
  ButOK->setDefault(true);
  ButCancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Отмена", this);
  connect(ButOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(ButCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ButOK);
  buttons->addWidget(ButCancel);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  FormShow();
}

void TFormSave_Project::FormShow() {
  Label1->setText(ToDisplayText(IsEnglish() ? "Changes have been done to the project.\r\nSave the project?"
                                            : "В проекте были сделаны изменения.\r\nСохранить проект?"));
}

void TFormSave_Project::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}
