#include "project/report/report_template.h"

namespace orv::project {

std::string ReportTemplateName(bool english, bool nBasedUnits) {
  std::string name = "\\Forms\\FormLoad";
  if (nBasedUnits) name += "N";
  name += english ? "_en.xls" : "_ru.xls";
  return name;
}

std::string ReportTemplatePath(const std::string& programFolder, const std::string& templateName) {
  // The name is written with "\" as the user knows it; "/" opens it on every
  // system, and the program folder already ends with a separator.
  std::string relative = templateName.substr(1);
  for (char& c : relative) {
    if (c == '\\') c = '/';
  }
  return programFolder + relative;
}

}  // namespace orv::project
