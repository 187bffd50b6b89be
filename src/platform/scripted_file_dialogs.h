#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_dialogs.h"

namespace orv::platform {

// File dialogs answered from a queue, for tests: every request is recorded,
// and each answers the front of `answers` (nullopt = the user cancels). An
// empty queue cancels.
class ScriptedFileDialogs : public FileDialogs {
 public:
  std::optional<std::string> Ask(const FileDialogRequest& request) override;

  std::deque<std::optional<std::string>> answers;
  std::vector<FileDialogRequest> requests;
};

}  // namespace orv::platform
