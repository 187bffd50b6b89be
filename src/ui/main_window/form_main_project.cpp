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
  return AskFile(FileDialogMode::Open, kOpenTitle, kProjectFilter, kProjectExtension, projectsFolder_);
}

void TFormMain::QuerySaveChanges() {
  if (!IsModified()) return;
  // Cancel only means that nothing is saved: the calling command goes on.
  if (dialogs_->FormSave_Project->exec() == QDialog::Accepted) ActProjectSaveExecute();
}

void TFormMain::ActProjectNewExecute() {
  QuerySaveChanges();
  currentRow_ = 0;
  document_.New();
}

void TFormMain::ActProjectOpenExecute() {
  QuerySaveChanges();
  const std::optional<std::string> path = AskProjectFile(false, {});
  if (!path) return;
  document_.Open(*path);
}

void TFormMain::ActProjectSaveExecute() {
  if (!document_.FileName().empty()) {
    WriteProject();
    return;
  }
  if (const std::optional<std::string> path = AskProjectFile(true, {})) WriteProjectTo(*path);
}

void TFormMain::ActProjectSaveAsExecute() {
  if (const std::optional<std::string> path = AskProjectFile(true, document_.FileName()))
    WriteProjectTo(*path);
}

void TFormMain::WriteProject() { WriteProjectTo(document_.FileName()); }

void TFormMain::WriteProjectTo(const std::string& path) {
  CommitFrames();
  document_.SaveAs(path);
  GetMessages().Show(MessageKind::Information, LocalText("File_saved"), MessageButtons::Ok);
}
