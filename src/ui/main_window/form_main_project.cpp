#include "platform/file_dialogs.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/recent_projects.h"
#include "ui/main_window/file_places.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/main_dialogs.h"

using namespace orv::settings;
using namespace orv::platform;

namespace orv::ui {

namespace {

constexpr const char* kProjectExtension = "orv";

}  // namespace

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
}

void TFormMain::ActProjectOpenExecute() {
  if (!QuerySaveChanges()) return;
  const std::optional<std::string> path = AskProjectFile(false, {});
  if (!path) return;
  OpenProject(*path);
}

void TFormMain::ActProjectSaveExecute() { SaveProject(); }

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
  TRecentProjects::Add(path);
}

void TFormMain::ActProjectSaveAsExecute() {
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

}  // namespace orv::ui
