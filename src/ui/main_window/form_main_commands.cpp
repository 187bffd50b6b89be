#include <algorithm>

#include "project/dastrel_import.h"
#include "settings/localization.h"
#include "settings/manual.h"
#include "settings/ports/ports.h"
#include "ui/main_window/ask_file.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/main_dialogs.h"
#include "widgets/supports_grid.h"

namespace {

constexpr const char* kManualBaseName = "Orvhlp";

void RunHandler(const std::function<void()>& handler) {
  if (handler) handler();
}

}  // namespace

void TFormMain::ActImportFromDastrelExecute() {
  const std::optional<std::string> path =
      AskFile(FileDialogMode::Open, "Импорт данных из Dastrel", "*.dtr|*.dtr", "dtr");
  if (!path) return;
  ImportDastrelClimate(CurrentProject, *path);
  RefreshViews();
}

void TFormMain::ActWiresGuideExecute() { RunHandler(WiresGuideHandler); }
void TFormMain::ActPillarCreateExecute() { RunHandler(PillarCreateHandler); }
void TFormMain::ActPillarInsertExecute() { RunHandler(PillarInsertHandler); }
void TFormMain::ActPillarEditExecute() {
  if (CurrentProject.Pillars.Count() > 0) RunHandler(PillarEditHandler);
}

void TFormMain::ActPillarDeleteExecute() {
  TPillarList& pillars = CurrentProject.Pillars;
  if (pillars.Count() == 0) return;
  const MessageAnswer answer =
      GetMessages().Show(MessageKind::Warning, LocalText("delete_support"), MessageButtons::YesNo);
  if (answer != MessageAnswer::Yes) return;
  const int remembered = std::clamp(CurrentRow, 0, pillars.Count() - 1);
  pillars.Delete(remembered);
  FillGrid();
  CurrentRow = std::min(remembered, std::max(pillars.Count() - 1, 0));
  SelectGridRow(CurrentRow);
  ShowRow(CurrentRow);
  UpdateActions();
}

void TFormMain::ActHelpExecute() { OpenManual(ProgramFolder, kManualBaseName); }
