#include "platform/qt_messages.h"

#include <QApplication>
#include <QPushButton>

#include "platform/application_title.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"

using namespace orv::settings;
using namespace orv::qt_text;

namespace orv::platform {

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning:
      return QMessageBox::Warning;
    case MessageKind::Error:
      return QMessageBox::Critical;
    case MessageKind::Information:
      break;
  }
  return QMessageBox::NoIcon;
}

// The dictionary's text; the English one before the dictionary holds it
// (an error at start-up).
QString Local(const char* key, const char* english) {
  const std::string text = LocalText(key);
  return text.empty() ? QString(english) : ToQString(text);
}

QString TitleOf(MessageKind kind) {
  return kind == MessageKind::Warning ? Local("Warning_title", "Warning") : QString(kApplicationTitle);
}

void AddButtons(QMessageBox& box, MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      box.setDefaultButton(box.addButton(Local("OK", "OK"), QMessageBox::AcceptRole));
      return;
    case MessageButtons::Yes:
      box.setDefaultButton(box.addButton(Local("Yes", "&Yes"), QMessageBox::YesRole));
      return;
    case MessageButtons::YesNo: {
      box.setDefaultButton(box.addButton(Local("Yes", "&Yes"), QMessageBox::YesRole));
      box.setEscapeButton(box.addButton(Local("No", "&No"), QMessageBox::NoRole));
      return;
    }
    case MessageButtons::SaveDiscardCancel: {
      box.setDefaultButton(box.addButton(ToQString(LocalText("Save_changes_save")), QMessageBox::AcceptRole));
      box.addButton(ToQString(LocalText("Save_changes_discard")), QMessageBox::DestructiveRole);
      box.setEscapeButton(box.addButton(Local("Cancel", "Cancel"), QMessageBox::RejectRole));
      return;
    }
    case MessageButtons::YesNoDefaultNo: {
      box.addButton(Local("Yes", "&Yes"), QMessageBox::YesRole);
      QPushButton* no = box.addButton(Local("No", "&No"), QMessageBox::NoRole);
      box.setDefaultButton(no);
      box.setEscapeButton(no);
      return;
    }
  }
}

}  // namespace

std::unique_ptr<QMessageBox> BuildMessageBox(MessageKind kind, const std::string& text,
                                             MessageButtons buttons, QWidget* owner) {
  auto box = std::make_unique<QMessageBox>(owner);
  box->setIcon(IconOf(kind));
  box->setWindowTitle(TitleOf(kind));
  box->setText(ToQString(text));
  AddButtons(*box, buttons);
  return box;
}

MessageAnswer AnswerOf(const QMessageBox& box, MessageButtons buttons) {
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  QAbstractButton* clicked = box.clickedButton();
  if (buttons == MessageButtons::SaveDiscardCancel) {
    const QMessageBox::ButtonRole role = clicked ? box.buttonRole(clicked) : QMessageBox::RejectRole;
    if (role == QMessageBox::AcceptRole) return MessageAnswer::Yes;
    return role == QMessageBox::DestructiveRole ? MessageAnswer::No : MessageAnswer::Cancel;
  }
  if (clicked && box.buttonRole(clicked) == QMessageBox::YesRole) {
    return MessageAnswer::Yes;
  }
  return buttons == MessageButtons::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

MessageAnswer QtMessages::Show(MessageKind kind, const std::string& text, MessageButtons buttons) {
  auto box = BuildMessageBox(kind, text, buttons, QApplication::activeWindow());
  box->exec();
  return AnswerOf(*box, buttons);
}

}  // namespace orv::platform
