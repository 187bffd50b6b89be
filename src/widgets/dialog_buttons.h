#pragma once

#include <QString>

class QBoxLayout;
class QDialog;
class QPushButton;

namespace orv::widgets {

// The OK and Cancel buttons at the foot of a dialog: OK is the default
// button, Cancel ends the dialog with Cancel. What OK does is the dialog's own.
struct TDialogButtons {
  QPushButton* Ok = nullptr;
  QPushButton* Cancel = nullptr;
};

enum class TButtonsAlignment { Right, Centre };

// Adds the row of the two buttons, children of `dialog`, to `layout`.
TDialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout, const QString& okText,
                                const QString& cancelText = {},
                                TButtonsAlignment alignment = TButtonsAlignment::Right);

}  // namespace orv::widgets
