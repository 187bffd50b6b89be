#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <algorithm>
#include <filesystem>

#include "base/file_open.h"
#include "project/support_clipboard.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/recent_projects.h"
#include "ui/app/command_guard.h"
#include "ui/frames/frm_klimat.h"
#include "ui/frames/frm_klimat_koef.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/main_menus.h"
#include "ui/results/supports_grid.h"
#include "widgets/int_spin_edit.h"
#include "widgets/real_spin_edit.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::qt_text;
using namespace orv::widgets;

namespace orv::ui {

// What is typed into the frames is committed first, so that it is undone
// like every other change.
void TFormMain::ActUndoExecute() {
  CommitFrames();
  if (document_.CanUndo()) document_.Undo();
}

void TFormMain::ActRedoExecute() {
  CommitFrames();
  if (document_.CanRedo()) document_.Redo();
}

void TFormMain::UpdateUndoActions() {
  actions_.ActUndo->setEnabled(document_.CanUndo());
  actions_.ActRedo->setEnabled(document_.CanRedo());
}

// A change typed into a frame is an edit to undo, although it reaches the
// document only at the next commit.
void TFormMain::WatchFrames() {
  const auto typed = [this] {
    const auto [klimat, klimatKoef] = FramesValues();
    const bool typedSomething =
        !klimat.IsEqual(document_.Project().Klimat) || !klimatKoef.IsEqual(document_.Project().KlimatKoef);
    actions_.ActUndo->setEnabled(document_.CanUndo() || typedSomething);
  };
  for (QWidget* frame : {static_cast<QWidget*>(frameKlimat_), static_cast<QWidget*>(frameKlimatKoef_)}) {
    for (TRealSpinEdit* edit : frame->findChildren<TRealSpinEdit*>())
      connect(edit, &TRealSpinEdit::ValueChanged, this, typed);
    for (TIntSpinEdit* edit : frame->findChildren<TIntSpinEdit*>())
      connect(edit, &QSpinBox::valueChanged, this, typed);
    for (QRadioButton* button : frame->findChildren<QRadioButton*>())
      connect(button, &QRadioButton::toggled, this, typed);
  }
}

void TFormMain::ActViewClimateExecute() { LabClick(lab1_); }
void TFormMain::ActViewParametersExecute() { LabClick(lab2_); }
void TFormMain::ActViewSupportsExecute() { LabClick(lab3_); }

void TFormMain::ActPillarCopyExecute() {
  const TPillarList& pillars = document_.Project().Pillars;
  if (pillars.Count() == 0) return;
  const int row = std::clamp(currentRow_, 0, pillars.Count() - 1);
  QApplication::clipboard()->setText(ToQString(SupportsToClipboardText({pillars.Items(row)})));
}

// The supports go after the current one, the first of them becoming current.
void TFormMain::ActPillarPasteClipboardExecute() {
  // The results table copies its rows as text for a spreadsheet and the
  // supports themselves beside them.
  const QMimeData* data = QApplication::clipboard()->mimeData();
  const std::string text = data && data->hasFormat(kSupportsMimeType)
                               ? data->data(kSupportsMimeType).toStdString()
                               : ToStdString(QApplication::clipboard()->text());
  if (!IsSupportsClipboardText(text)) {
    GetMessages().Show(MessageKind::Information, LocalText("Clipboard_no_supports"), MessageButtons::Ok);
    return;
  }
  const std::vector<TPillar> supports = SupportsFromClipboardText(text);
  const int count = document_.Project().Pillars.Count();
  const int first = count == 0 ? 0 : std::clamp(currentRow_, 0, count - 1) + 1;
  int at = first;
  for (const TPillar& support : supports) document_.InsertSupport(at++, support);
  if (!supports.empty()) SelectSupport(first);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::KeyPress) {
    QAction* command = nullptr;
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        command = actions_.ActPillarEdit;
        break;
      case Qt::Key_Delete:
        command = actions_.ActPillarDelete;
        break;
      case Qt::Key_Insert:
        command = actions_.ActPillarCreate;
        break;
      default:
        break;
    }
    if (command) {
      if (command->isEnabled()) command->trigger();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TFormMain::FillRecentMenu() {
  QMenu* recent = menus_->MI_Recent;
  recent->clear();
  const std::vector<std::string> paths = TRecentProjects::Read();
  int number = 1;
  for (const std::string& path : paths) {
    // Two projects of one name in two folders stay apart.
    const QFileInfo file(ToQString(path));
    QAction* entry = recent->addAction(QString("&%1 %2   (%3)")
                                           .arg(number++)
                                           .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath())));
    entry->setToolTip(ToQString(path));
    entry->setStatusTip(ToQString(path));
    connect(entry, &QAction::triggered, this, [this, path] { RunGuarded([&] { OpenRecent(path); }); });
  }
  recent->setToolTipsVisible(true);
  recent->setEnabled(!paths.empty());
}

void TFormMain::OpenRecent(const std::string& path) {
  if (!std::filesystem::exists(PathFromUtf8(path))) {
    TRecentProjects::Remove(path);
    std::string text = LocalText("Recent_missing");
    text.replace(text.find("%1"), 2, path);
    GetMessages().Show(MessageKind::Warning, text, MessageButtons::Ok);
    return;
  }
  if (!QuerySaveChanges()) return;
  OpenProject(path);
}

}  // namespace orv::ui
