#pragma once

#include <optional>
#include <string>

#include "platform/file_dialogs.h"

// One of the main window's file dialogs; the chosen path with the default
// extension added when the user typed none, nothing on cancel.
std::optional<std::string> AskFile(FileDialogMode mode, const std::string& title, const std::string& filter,
                                   const std::string& extension, const std::string& folder = {},
                                   const std::string& fileName = {});
