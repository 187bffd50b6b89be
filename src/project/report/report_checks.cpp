#include "project/report/report_checks.h"

#include <map>
#include <vector>

#include "base/text_excerpt.h"
#include "project/model/project.h"
#include "project/report/report_sheet_name.h"
#include "project/report/support_messages.h"
#include "project/catalogue/wires_list.h"
#include "settings/localization.h"

using namespace orv::settings;

namespace orv::project {

namespace {

// Enough names to find the supports by; the count says the rest.
constexpr std::size_t kNamesShown = 20;

std::string NameList(const std::vector<std::string>& names) {
  std::string list;
  for (std::size_t i = 0; i < names.size() && i < kNamesShown; ++i) list += (i ? ", " : "") + names[i];
  if (names.size() > kNamesShown) list += " " + LocalTextWith("Report_and_more", std::to_string(names.size() - kNamesShown));
  return list;
}

// The workbook tells sheet names apart without regard to the case of
// Latin letters.
std::string SheetKey(const std::string& name) {
  std::string key = name;
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return key;
}

}  // namespace

std::string MissingWiresProblem(const TProject& project, const TWiresList& catalogue) {
  std::vector<std::string> names;
  for (int i = 0; i < project.Pillars.Count(); ++i) {
    const calc::TPillar& support = project.Pillars.Items(i);
    if (catalogue.IndexOf(support.WireName) >= 0) continue;
    std::string name = SupportMessagePrefix(support);
    names.push_back(name.substr(0, name.size() - 2));  // without its ": "
  }
  return names.empty() ? "" : LocalTextWith("Report_wires_missing", NameList(names));
}

std::string SheetNameProblem(const TProject& project) {
  std::map<std::string, std::vector<std::string>> numbersOf;
  for (int i = 0; i < project.Pillars.Count(); ++i) {
    const std::string& number = project.Pillars.Items(i).SupportNumber;
    numbersOf[SheetKey(ReportSheetName(number))].push_back(base::TextExcerpt(number));
  }
  for (int i = 0; i < project.Pillars.Count(); ++i) {
    const std::string sheet = ReportSheetName(project.Pillars.Items(i).SupportNumber);
    const std::vector<std::string>& numbers = numbersOf[SheetKey(sheet)];
    if (numbers.size() > 1) return LocalTextWith("Report_sheet_clash", NameList(numbers), sheet);
  }
  return "";
}

}  // namespace orv::project
