#include "widgets/dialog_buttons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

namespace orv::widgets {

TDialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout, const QString& okText,
                                const QString& cancelText, TButtonsAlignment alignment) {
  TDialogButtons buttons;
  buttons.Ok = new QPushButton(okText, &dialog);
  buttons.Ok->setDefault(true);
  buttons.Cancel = new QPushButton(cancelText, &dialog);
  QObject::connect(buttons.Cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(buttons.Ok);
  row->addWidget(buttons.Cancel);
  if (alignment == TButtonsAlignment::Centre) row->addStretch();
  layout.addLayout(row);
  return buttons;
}

}  // namespace orv::widgets
