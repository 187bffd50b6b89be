#include <QCloseEvent>

#include "project/wire_catalog.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "ui/app/command_guard.h"
#include "ui/main_window/form_main.h"

using namespace orv::settings;
using namespace orv::project;

namespace orv::ui {

// A changed project asks only whether to save it: its answer is the answer
// to closing, and a second question would ask the same again.
bool TFormMain::FormCloseQuery() {
  if (IsModified()) return QuerySaveChanges();
  const MessageAnswer answer =
      GetMessages().Show(MessageKind::Warning, LocalText("quit_the_program"), MessageButtons::YesNo);
  return answer == MessageAnswer::Yes;
}

void TFormMain::FormClose() {
  WireCatalog().SaveIfChanged();
  FreeLocalization();
}

void TFormMain::ActExitExecute() { close(); }

// A failed save while closing (of the project or of the catalogue) keeps the
// program running: closing anyway would lose what could not be saved.
void TFormMain::closeEvent(QCloseEvent* event) {
  if (closed_) {
    event->accept();
    return;
  }
  bool mayClose = false;
  RunGuarded([&] {
    if (!FormCloseQuery()) return;
    FormClose();
    mayClose = true;
  });
  if (!mayClose) {
    event->ignore();
    return;
  }
  closed_ = true;
  event->accept();
  if (ClosedHandler) ClosedHandler();
}

}  // namespace orv::ui
