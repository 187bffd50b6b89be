#include "ui/dialogs/form_wait.h"

#include <QApplication>
#include <QFont>
#include <QVBoxLayout>

#include "qt_text/qt_string.h"
#include "settings/localization.h"

using namespace orv::settings;
using namespace orv::qt_text;

namespace orv::ui {

TFormWait::TFormWait(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowTitleHint) {
  Panel = new QLabel(this);
  Panel->setObjectName("Panel");
  Panel->setAlignment(Qt::AlignCenter);
  Panel->setAutoFillBackground(true);
  QPalette colours = Panel->palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
  colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
  Panel->setPalette(colours);
  QFont font = Panel->font();
  font.setBold(true);
  font.setPixelSize(13);
  Panel->setFont(font);
  Panel->setMargin(12);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Panel);
  setMinimumSize(260, 70);
}

void TFormWait::ShowWait(const std::string& text) {
  Panel->setText(ToDisplayText(text));
  ProcessPendingEvents();
  adjustSize();
  CentreOnOwner();
  show();
  raise();
  repaint();
  ProcessPendingEvents();
}

void TFormWait::ShowProgress(const std::string& text) {
  Panel->setText(ToDisplayText(text));
  if (!isVisible()) return;
  Panel->repaint();
  ProcessPendingEvents();
}

void TFormWait::CloseWait() { hide(); }

void TFormWait::FormShow() { setWindowTitle(ToDisplayText(LocalText("Wait"))); }

void TFormWait::showEvent(QShowEvent* event) {
  FormShow();
  QWidget::showEvent(event);
}

void TFormWait::CentreOnOwner() {
  const QWidget* owner = parentWidget();
  if (!owner || !owner->isVisible()) return;
  QRect area = frameGeometry();
  area.moveCenter(owner->frameGeometry().center());
  move(area.topLeft());
}

void TFormWait::ProcessPendingEvents() {
  // Clicks and keys wait until the work is done: a command started from
  // here would run in the middle of the one that showed this window.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace orv::ui
