#pragma once

#include <string>

namespace orv::project {

// The name of a support's sheet: the dictionary's "Support", a blank, "№"
// and the support number ("Support №12"). Characters a sheet name cannot
// hold (: \ / ? * [ ] and a closing apostrophe) become "_", so a support
// numbered "12/1" still gets its sheet; B13 shows the number unchanged.
std::string ReportSheetName(const std::string& supportNumber);

}  // namespace orv::project
