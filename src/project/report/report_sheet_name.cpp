#include "project/report/report_sheet_name.h"

#include <string_view>

#include "settings/localization.h"

using namespace orv::settings;

namespace orv::project {

std::string ReportSheetName(const std::string& supportNumber) {
  static constexpr std::string_view kForbidden = ":\\/?*[]";
  std::string number = supportNumber;
  for (char& c : number) {
    if (kForbidden.find(c) != std::string_view::npos) c = '_';
  }
  if (!number.empty() && number.back() == '\'') number.back() = '_';
  return LocalText("Support") + " №" + number;
}

}  // namespace orv::project
