#pragma once

#include <string>

namespace orv::project {

// The template of the report: "\Forms\FormLoad_en.xls" for English with
// daN-based units, "\Forms\FormLoadN_ru.xls" for Russian with N-based units,
// and so on. This is the name the user sees in messages.
std::string ReportTemplateName(bool english, bool nBasedUnits);

// The template's file in the program folder (which ends with a separator).
std::string ReportTemplatePath(const std::string& programFolder, const std::string& templateName);

}  // namespace orv::project
