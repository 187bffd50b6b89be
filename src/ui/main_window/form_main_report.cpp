#include <QStatusBar>
#include <chrono>

#include "base/file_identity.h"
#include "platform/file_dialogs.h"
#include "qt_text/qt_string.h"
#include "project/report/make_report.h"
#include "project/wire_catalog.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "ui/dialogs/form_wait.h"
#include "ui/main_window/file_places.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/main_dialogs.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::project;
using namespace orv::qt_text;
using namespace orv::platform;

namespace orv::ui {

namespace {

// Redrawing the wait window for every support of a long line would cost
// more than the report itself; a few times a second is enough to see it move.
constexpr std::chrono::milliseconds kProgressInterval(100);

// The wait window closes however the report ends, an error included.
class TWaitScope {
 public:
  TWaitScope(TFormWait& wait, std::string text) : wait_(wait), text_(std::move(text)) {
    wait_.ShowWait(text_);
  }
  ~TWaitScope() { wait_.CloseWait(); }
  TWaitScope(const TWaitScope&) = delete;
  TWaitScope& operator=(const TWaitScope&) = delete;

  void Progress(int support, int count) {
    const auto now = std::chrono::steady_clock::now();
    if (support != count && now - lastShown_ < kProgressInterval) return;
    lastShown_ = now;
    wait_.ShowProgress(text_ + "\n" + LocalText("Support") + " " + std::to_string(support) + " / " +
                       std::to_string(count));
  }

 private:
  TFormWait& wait_;
  std::string text_;
  std::chrono::steady_clock::time_point lastShown_{};
};

// The open project and the catalogue would be lost under a workbook.
bool IsAnInput(const std::string& report, const std::string& projectFile) {
  return SameFile(report, projectFile) || SameFile(report, WireCatalog().SavePath());
}

}  // namespace

void TFormMain::ActCalcProjectExecute() {
  CommitFrames();
  // Said before the file dialog, which would otherwise lead nowhere.
  if (document_.Project().Pillars.Count() == 0) {
    GetMessages().Show(MessageKind::Information, LocalText("Nothing_to_calculate"), MessageButtons::Ok);
    return;
  }
  const std::optional<std::string> path =
      AskFile(FileDialogMode::Save, DialogTitle("Save_report_title"), LocalText("Excel_file") + "|*.xls;", "xls",
              {}, ReportNameFor(document_.FileName(), lastFolder_));
  if (!path) return;
  lastFolder_ = FolderOf(*path);
  if (IsAnInput(*path, document_.FileName())) {
    GetMessages().Show(MessageKind::Error, LocalText("Report_over_input"), MessageButtons::Ok);
    return;
  }
  TWaitScope wait(*dialogs_->FormWait, LocalText("Port_to_Excel"));
  const ReportOutcome outcome = MakeReport(
      document_.Project(), *path, [&wait](int support, int count) { wait.Progress(support, count); },
      TReportOrigin{document_.FileName(), {}});
  if (outcome == ReportOutcome::Saved)
    statusBar()->showMessage(ToQString(LocalTextWith("Report_saved", *path)));
}

}  // namespace orv::ui
