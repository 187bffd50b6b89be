#include <QStatusBar>

#include "ui/dialogs/form_about.h"
#include "ui/dialogs/form_units_dlg.h"
#include "ui/dialogs/language_dialog.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/main_dialogs.h"

namespace orv::ui {

void TFormMain::ActSettingLanguageExecute() {
  if (dialogs_->LanguageDialog->exec() != QDialog::Accepted) return;
  // What the user typed into the frames would be overwritten by the refresh;
  // it becomes part of the project first, as it would at the next commit.
  CommitFrames();
  // The hint of the menu entry that opened the dialog would stay in the
  // status bar, in the old language, over the window's own status text.
  statusBar()->clearMessage();
  LocalizeMainWindow();
  RefreshViews();
}

void TFormMain::ActUnitsExecute() {
  // The vertical loads of the results follow the units at once.
  if (dialogs_->UnitsDlg->exec() == QDialog::Accepted) ShowResults();
}

void TFormMain::ActAboutExecute() {
  TFormAbout& about = *dialogs_->FormAbout;
  FillAboutBox(about);
  about.show();
  about.raise();
  about.activateWindow();
}

}  // namespace orv::ui
