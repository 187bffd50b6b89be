#include "widgets/local_caption.h"

#include "qt_text/qt_string.h"
#include "settings/localization.h"

using namespace orv::settings;
using namespace orv::qt_text;

namespace orv::widgets {

void SetLocalCaption(QLabel* label, const std::string& key) {
  label->setText(ToDisplayText(LocalText(key)));
}

void SetLocalCaption(QGroupBox* box, const std::string& key) {
  box->setTitle(ToDisplayText(LocalText(key)));
}

void SetLocalCaption(QAbstractButton* button, const std::string& key) {
  button->setText(ToDisplayText(LocalText(key)));
}

void SetLocalWindowTitle(QWidget* window, const std::string& key) {
  window->setWindowTitle(ToDisplayText(LocalText(key)));
}

void SetOkCaption(QAbstractButton* button) {
  const std::string text = LocalText("OK");
  button->setText(text.empty() ? QString("OK") : ToDisplayText(text));
}

}  // namespace orv::widgets
