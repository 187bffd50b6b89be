#include "ui/main_window/ask_file.h"

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
