#pragma once

#include <string>

namespace orv::ui {

// Where the main window's file dialogs start and what they propose.
// The folder of a file, with its trailing separator; empty for a bare name.
std::string FolderOf(const std::string& path);
// The report named after the project ("Line 7.orv" gives "Line 7.xls"), in
// `folder` when one is given, else beside the project; "Report.xls" while
// the project has no name.
std::string ReportNameFor(const std::string& projectPath, const std::string& folder);
// A dialog's title: the window's text and the program's name.
std::string DialogTitle(const char* key);

}  // namespace orv::ui
