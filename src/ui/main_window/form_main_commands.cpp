#include <algorithm>

#include "base/text_excerpt.h"
#include "calc/pillar.h"
#include "platform/file_dialogs.h"
#include "settings/localization.h"
#include "settings/manual.h"
#include "settings/ports/ports.h"
#include "ui/main_window/file_places.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/main_dialogs.h"
#include "ui/results/supports_grid.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::platform;

namespace orv::ui {

namespace {

constexpr const char* kManualBaseName = "Orvhlp";

void RunHandler(const std::function<void()>& handler) {
  if (handler) handler();
}

}  // namespace

void TFormMain::ActImportFromDastrelExecute() {
  const std::optional<std::string> path =
      AskFile(FileDialogMode::Open, DialogTitle("Import_Dastrel_title"), "Dastrel|*.dtr", "dtr");
  if (!path) return;
  document_.ImportDastrel(*path);
  // As after an open: the grid starts again at the first support.
  currentRow_ = 0;
  RefreshViews();
}

void TFormMain::ActWiresGuideExecute() { RunHandler(WiresGuideHandler); }
void TFormMain::ActPillarCreateExecute() { RunHandler(PillarCreateHandler); }
void TFormMain::ActPillarInsertExecute() { RunHandler(PillarInsertHandler); }
void TFormMain::ActPillarEditExecute() {
  if (document_.Project().Pillars.Count() > 0) RunHandler(PillarEditHandler);
}

void TFormMain::ActPillarDeleteExecute() {
  const int count = document_.Project().Pillars.Count();
  if (count == 0) return;
  const int remembered = std::clamp(currentRow_, 0, count - 1);
  const TPillar& support = document_.Project().Pillars.Items(remembered);
  const std::string question = LocalText("delete_support") + "\r\n" + LocalText("Support") + " " +
                               TextExcerpt(support.SupportNumber) + " (" + TextExcerpt(support.WireName) + ")";
  if (GetMessages().Show(MessageKind::Warning, question, MessageButtons::YesNo) != MessageAnswer::Yes) return;
  document_.DeleteSupport(remembered);
  currentRow_ = std::min(remembered, std::max(count - 2, 0));
  SelectGridRow(currentRow_);
  ShowRow(currentRow_);
}

void TFormMain::ActHelpExecute() { OpenManual(programFolder_, kManualBaseName); }

}  // namespace orv::ui
