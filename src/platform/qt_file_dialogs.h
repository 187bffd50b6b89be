#pragma once

#include <QString>

#include "platform/file_dialogs.h"

namespace orv::platform {

// QFileDialog owned by the active window. The save dialog does not ask before
// replacing an existing file: the program's own commands decide that.
class QtFileDialogs : public FileDialogs {
 public:
  std::optional<std::string> Ask(const FileDialogRequest& request) override;
};

// "Excel file(*.xls)|*.xls;" -> "Excel file(*.xls) (*.xls)"; pairs are joined
// by ";;". A description without patterns is dropped.
QString QtNameFilters(const std::string& filter);

}  // namespace orv::platform
