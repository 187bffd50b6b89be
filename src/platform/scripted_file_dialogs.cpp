#include "platform/scripted_file_dialogs.h"

namespace orv::platform {

std::optional<std::string> ScriptedFileDialogs::Ask(const FileDialogRequest& request) {
  requests.push_back(request);
  if (answers.empty()) return std::nullopt;
  std::optional<std::string> answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace orv::platform
