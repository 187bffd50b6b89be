#include "project/project_file.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "ui/dialogs/form_save_project.h"
#include "ui/main_window/ask_file.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/main_dialogs.h"

namespace {

constexpr const char* kProjectFilter = "*.orv|*.orv";
constexpr const char* kProjectExtension = "orv";
constexpr const char* kOpenTitle = "Открытие проекта - Orvane";
constexpr const char* kSaveTitle = "Сохранение проекта - Orvane";

}  // namespace

std::optional<std::string> TFormMain::AskProjectFile(bool save, const std::string& proposed) {
  if (save) return AskFile(FileDialogMode::Save, kSaveTitle, kProjectFilter, kProjectExtension, {}, proposed);
  return AskFile(FileDialogMode::Open, kOpenTitle, kProjectFilter, kProjectExtension, ProjectsFolder);
}

void TFormMain::QuerySaveChanges() {
  if (!IsModified()) return;
  // Cancel only means that nothing is saved: the calling command goes on.
  if (dialogs_->FormSave_Project->exec() == QDialog::Accepted) ActProjectSaveExecute();
}

void TFormMain::ActProjectNewExecute() {
  QuerySaveChanges();
  ProjectFileName.clear();
  CurrentProject.Clear();
  CurrentRow = 0;
  UpdateActions();
  RefreshViews();
  ShowProjectName();
  SavedProject.Assign(CurrentProject);
}

void TFormMain::ActProjectOpenExecute() {
  QuerySaveChanges();
  const std::optional<std::string> path = AskProjectFile(false, {});
  if (!path) return;
  // A read that fails part-way must not leave half a project under a new
  // name: the file goes into a fresh project, taken over only when complete.
  TProject opened;
  LoadProjectFile(*path, opened);
  CurrentProject.Assign(opened);
  ProjectFileName = *path;
  RefreshViews();
  UpdateActions();
  ShowProjectName();
  SavedProject.Assign(CurrentProject);
}

void TFormMain::ActProjectSaveExecute() {
  if (!ProjectFileName.empty()) {
    WriteProject();
    return;
  }
  if (const std::optional<std::string> path = AskProjectFile(true, {})) WriteProjectTo(*path);
}

void TFormMain::ActProjectSaveAsExecute() {
  if (const std::optional<std::string> path = AskProjectFile(true, ProjectFileName)) WriteProjectTo(*path);
}

void TFormMain::WriteProject() { WriteProjectTo(ProjectFileName); }

void TFormMain::WriteProjectTo(const std::string& path) {
  CommitFrames();
  SaveProjectFile(path, CurrentProject);
  ProjectFileName = path;
  ShowProjectName();
  SavedProject.Assign(CurrentProject);
  GetMessages().Show(MessageKind::Information, LocalText("File_saved"), MessageButtons::Ok);
}
