// The commands of the main window. Each one only calls operations of the
// documents and moves the selection; the views follow the notifications.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <algorithm>
#include <chrono>
#include <filesystem>

#include "base/file_identity.h"
#include "base/file_open.h"
#include "base/text_excerpt.h"
#include "diagrams/swing_diagram_data.h"
#include "platform/application_title.h"
#include "platform/file_dialogs.h"
#include "project/file/program_files.h"
#include "project/report/make_report.h"
#include "project/results/support_clipboard.h"
#include "project/catalogue/wire_users.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "settings/manual.h"
#include "settings/ports/ports.h"
#include "settings/recent_projects.h"
#include "ui/app/command_guard.h"
#include "widgets/profile_view.h"
#include "ui/dialogs/form_about.h"
#include "ui/dialogs/form_units_dlg.h"
#include "ui/dialogs/form_wait.h"
#include "ui/dialogs/language_dialog.h"
#include "ui/main_window/form_main.h"
#include "ui/pillars/pillar_commands.h"
#include "ui/results/form_support_details.h"
#include "ui/results/supports_view.h"
#include "ui/wires/form_wires_base.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::platform;
using namespace orv::project;
using namespace orv::diagrams;
using namespace orv::qt_text;

namespace orv::ui {

namespace {

constexpr const char* kProjectExtension = "orv";
constexpr const char* kManualBaseName = "Orvhlp";

// The folder of a file, with its trailing separator; empty for a bare name.
std::string FolderOf(const std::string& path) {
  const std::filesystem::path parent = PathFromUtf8(path).parent_path();
  if (parent.empty()) return {};
  return PathToUtf8(parent / "");
}

// The report named after the project ("Line 7.orv" gives "Line 7.xls"), in
// `folder` when one is given, else beside the project; "Report.xls" while
// the project has no name.
std::string ReportNameFor(const std::string& projectPath, const std::string& folder) {
  if (projectPath.empty()) return folder + "Report.xls";
  const std::filesystem::path project = PathFromUtf8(projectPath);
  const std::string name = PathToUtf8(project.stem()) + ".xls";
  return (folder.empty() ? FolderOf(projectPath) : folder) + name;
}

// A dialog's title: the window's text and the program's name.
std::string DialogTitle(const char* key) { return LocalText(key) + " - " + kApplicationTitle; }

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

// The open project, the catalogue, or a file the program itself reads (a
// template) would be lost under a workbook.
bool IsAnInput(const std::string& report, const std::string& projectFile, const std::string& catalogueFile) {
  const std::vector<std::string> own = ProgramOwnFiles(true);
  return SameFile(report, projectFile) || SameFile(report, catalogueFile) ||
         std::any_of(own.begin(), own.end(), [&](const std::string& file) { return SameFile(report, file); });
}

}  // namespace

// --- project files ---

// Both dialogs start in the folder last used, the shipped projects' folder
// before any.
std::optional<std::string> TFormMain::AskProjectFile(bool save, const std::string& proposed) {
  const std::string folder = lastFolder_.empty() ? projectsFolder_ : lastFolder_;
  const std::string filter = LocalText("Project_file") + "|*.orv";
  std::optional<std::string> path =
      save ? AskFile(FileDialogMode::Save, DialogTitle("Save_project_title"), filter, kProjectExtension, folder,
                     proposed)
           : AskFile(FileDialogMode::Open, DialogTitle("Open_project_title"), filter, kProjectExtension, folder);
  if (path) lastFolder_ = FolderOf(*path);
  return path;
}

bool TFormMain::QuerySaveChanges() {
  CommitFrames();
  if (!IsModified()) return true;
  switch (GetMessages().Show(MessageKind::Warning, LocalText("Save_changes_question"),
                             MessageButtons::SaveDiscardCancel)) {
    case MessageAnswer::Yes:
      return SaveProject();
    case MessageAnswer::No:
      return true;
    default:
      return false;
  }
}

void TFormMain::ActProjectNewExecute() {
  if (!QuerySaveChanges()) return;
  currentRow_ = 0;
  document_.New();
  profileView_->resetZoom();
}

void TFormMain::ActProjectOpenExecute() {
  if (!QuerySaveChanges()) return;
  const std::optional<std::string> path = AskProjectFile(false, {});
  if (!path) return;
  OpenProject(*path);
}

// Both saves take what the frames hold before they ask for a name, so that a
// cancelled dialog leaves the typed values as an edit of the project.
void TFormMain::ActProjectSaveExecute() {
  CommitFrames();
  SaveProject();
}

bool TFormMain::SaveProject() {
  if (!document_.FileName().empty()) {
    WriteProject();
    return true;
  }
  const std::optional<std::string> path = AskProjectFile(true, {});
  if (!path) return false;
  WriteProjectTo(*path);
  return true;
}

// A project opened or saved under a name goes to the top of the recent list.
void TFormMain::OpenProject(const std::string& path) {
  document_.Open(path);
  // Another line starts seen whole.
  profileView_->resetZoom();
  TRecentProjects::Add(path);
}

void TFormMain::ActProjectSaveAsExecute() {
  CommitFrames();
  if (const std::optional<std::string> path = AskProjectFile(true, document_.FileName()))
    WriteProjectTo(*path);
}

void TFormMain::WriteProject() { WriteProjectTo(document_.FileName()); }

void TFormMain::WriteProjectTo(const std::string& path) {
  CommitFrames();
  document_.SaveAs(path);
  TRecentProjects::Add(path);
  GetMessages().Show(MessageKind::Information, LocalText("File_saved"), MessageButtons::Ok);
}

void TFormMain::FillRecentMenu() {
  QMenu* recent = menus_.MI_Recent;
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

// As after an open: the grid starts again at the first support.
void TFormMain::ActImportFromDastrelExecute() {
  const std::optional<std::string> path =
      AskFile(FileDialogMode::Open, DialogTitle("Import_Dastrel_title"), "Dastrel|*.dtr", "dtr");
  if (!path) return;
  document_.ImportDastrel(*path);
  SelectSupport(0);
}

// --- the report ---

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
  if (IsAnInput(*path, document_.FileName(), workspace_.Catalogue.SavePath())) {
    GetMessages().Show(MessageKind::Error, LocalText("Report_over_input"), MessageButtons::Ok);
    return;
  }
  TWaitScope wait(*dialogs_.FormWait, LocalText("Port_to_Excel"));
  const ReportOutcome outcome = MakeReport(
      document_.Project(), workspace_.Catalogue.List(), *path, [&wait](int support, int count) { wait.Progress(support, count); },
      TReportOrigin{document_.FileName(), {}});
  // In the window's own status text: a menu's or a button's hint, which
  // takes the bar while the mouse is over it, would end a passing message.
  if (outcome == ReportOutcome::Saved) statusText_->setText(ToQString(LocalTextWith("Report_saved", *path)));
}

// --- editing ---

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

void TFormMain::ActPillarCreateExecute() {
  if (dialogs_.FormPillars) PillarCreate(*this, *dialogs_.FormPillars);
}

void TFormMain::ActPillarInsertExecute() {
  if (dialogs_.FormPillars) PillarInsert(*this, *dialogs_.FormPillars);
}

void TFormMain::ActPillarEditExecute() {
  if (dialogs_.FormPillars && document_.Project().Pillars.Count() > 0)
    PillarEdit(*this, *dialogs_.FormPillars);
}

// The selected supports go, after one question naming them, as one step to
// undo; the current one alone when the table has no selection.
void TFormMain::ActPillarDeleteExecute() {
  const TPillarList& pillars = document_.Project().Pillars;
  const int count = pillars.Count();
  if (count == 0) return;
  std::vector<int> chosen = grid_->SelectedIndexes();
  if (chosen.empty()) chosen = {std::clamp(currentRow_, 0, count - 1)};
  std::string question;
  if (chosen.size() == 1) {
    const TPillar& support = pillars.Items(chosen.front());
    question = LocalText("delete_support") + "\r\n" + LocalText("Support") + " " +
               TextExcerpt(support.SupportNumber) + " (" + TextExcerpt(support.WireName) + ")";
  } else {
    std::vector<std::string> numbers;
    for (int index : chosen) numbers.push_back(TextExcerpt(pillars.Items(index).SupportNumber));
    question = LocalTextWith("delete_supports", NumbersForMessage(numbers), std::to_string(chosen.size()));
  }
  if (GetMessages().Show(MessageKind::Warning, question, MessageButtons::YesNo) != MessageAnswer::Yes) return;
  const int remembered = *std::min_element(chosen.begin(), chosen.end());
  document_.DeleteSupports(chosen);
  currentRow_ = std::min(remembered, std::max(count - 1 - static_cast<int>(chosen.size()), 0));
  SelectGridRow(currentRow_);
  ShowRow(currentRow_);
}

// As Ctrl+C in the table: the selected rows.
void TFormMain::ActPillarCopyExecute() { grid_->CopySelection(); }

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
  document_.InsertSupports(first, supports);
  if (!supports.empty()) SelectSupport(first);
}

// --- views, dialogs and help ---

void TFormMain::ActViewClimateExecute() { LabClick(lab1_); }
void TFormMain::ActViewParametersExecute() { LabClick(lab2_); }
void TFormMain::ActViewSupportsExecute() { LabClick(lab3_); }

void TFormMain::ActWiresGuideExecute() {
  if (dialogs_.FormWiresBase) dialogs_.FormWiresBase->ShowEditing();
}

void TFormMain::ActPillarDetailsExecute() {
  const TSupportOutcome* outcome = results_.Outcome(currentRow_);
  if (!outcome) return;
  if (!details_) details_ = new TFormSupportDetails(this);
  details_->ShowSupport(*outcome, SwingDiagramOf(*outcome));
  details_->exec();
}

void TFormMain::ActSettingLanguageExecute() {
  if (dialogs_.LanguageDialog->exec() != QDialog::Accepted) return;
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
  if (dialogs_.UnitsDlg->exec() == QDialog::Accepted) ShowResults();
}

void TFormMain::ActAboutExecute() {
  TFormAbout& about = *dialogs_.FormAbout;
  FillAboutBox(about);
  about.show();
  about.raise();
  about.activateWindow();
}

void TFormMain::ActHelpExecute() { OpenManual(programFolder_, kManualBaseName); }

}  // namespace orv::ui
