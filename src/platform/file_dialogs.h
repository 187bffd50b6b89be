#pragma once

#include <optional>
#include <string>

namespace orv::platform {

enum class FileDialogMode { Open, Save };

// One request for a file name. The filter is written as pairs of description
// and patterns joined by "|", patterns separated by ";":
// "*.orv|*.orv", "Excel file(*.xls)|*.xls;".
struct FileDialogRequest {
  FileDialogMode mode = FileDialogMode::Open;
  std::string title;
  std::string filter;
  std::string defaultExtension;  // without the dot: "orv"
  std::string folder;            // where the dialog starts; empty: where it was last
  std::string fileName;          // the name proposed in the name field
};

// The open and save dialogs: the desktop program shows them, tests answer
// them from a script.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The path the user chose exactly as the dialog gives it; nothing on cancel.
  virtual std::optional<std::string> Ask(const FileDialogRequest& request) = 0;
};

// The process-wide file dialogs; a scripted stand-in that cancels everything
// until a front end sets its own. The setter does not take ownership; nullptr
// brings the stand-in back.
FileDialogs& GetFileDialogs();
void SetFileDialogs(FileDialogs* dialogs);

// Asks the installed file dialogs. A name given without an extension gets the
// request's default extension, as a typed "Route" becomes "Route.orv".
std::optional<std::string> RunFileDialog(const FileDialogRequest& request);

// The request put together from its parts and run: the chosen path with the
// default extension added when the user typed none, nothing on cancel.
std::optional<std::string> AskFile(FileDialogMode mode, const std::string& title, const std::string& filter,
                                   const std::string& extension, const std::string& folder = {},
                                   const std::string& fileName = {});

// `path` with ".<extension>" appended when its file name has no extension.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace orv::platform
