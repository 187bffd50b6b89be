#include "platform/file_dialogs.h"

#include "platform/scripted_file_dialogs.h"

namespace orv::platform {

namespace {

ScriptedFileDialogs standIn;
FileDialogs* installed = &standIn;

std::size_t FileNameStart(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace

FileDialogs& GetFileDialogs() { return *installed; }

void SetFileDialogs(FileDialogs* dialogs) { installed = dialogs ? dialogs : &standIn; }

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
  if (extension.empty()) return path;
  const std::string name = path.substr(FileNameStart(path));
  if (name.empty() || name.find('.') != std::string::npos) return path;
  return path + "." + extension;
}

std::optional<std::string> RunFileDialog(const FileDialogRequest& request) {
  std::optional<std::string> chosen = GetFileDialogs().Ask(request);
  if (!chosen || chosen->empty()) return std::nullopt;
  return WithDefaultExtension(*chosen, request.defaultExtension);
}

std::optional<std::string> AskFile(FileDialogMode mode, const std::string& title, const std::string& filter,
                                   const std::string& extension, const std::string& folder,
                                   const std::string& fileName) {
  FileDialogRequest request;
  request.mode = mode;
  request.title = title;
  request.filter = filter;
  request.defaultExtension = extension;
  request.folder = folder;
  request.fileName = fileName;
  return RunFileDialog(request);
}

}  // namespace orv::platform
