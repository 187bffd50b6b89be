#include "ui/main_window/file_places.h"

#include <filesystem>

#include "base/file_open.h"
#include "platform/application_title.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::platform;

namespace orv::ui {

std::string FolderOf(const std::string& path) {
  const std::filesystem::path parent = PathFromUtf8(path).parent_path();
  if (parent.empty()) return {};
  return PathToUtf8(parent / "");
}

std::string ReportNameFor(const std::string& projectPath, const std::string& folder) {
  if (projectPath.empty()) return folder + "Report.xls";
  const std::filesystem::path project = PathFromUtf8(projectPath);
  const std::string name = PathToUtf8(project.stem()) + ".xls";
  return (folder.empty() ? FolderOf(projectPath) : folder) + name;
}

std::string DialogTitle(const char* key) { return LocalText(key) + " - " + kApplicationTitle; }

}  // namespace orv::ui
