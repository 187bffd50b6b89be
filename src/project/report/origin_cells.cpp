#include "project/report/origin_cells.h"

#include <ctime>

#include "base/utf8.h"
#include "project/report/report_cell.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;

namespace orv::project {

namespace {

// The name after the last folder; "\", "/" and ":" all end a folder. The
// whole name is kept ("Route.2.orv"), as the user saved it. A name in another
// encoding than UTF-8, which the system may give, is shown with U+FFFD for
// its odd bytes rather than stopping the report.
std::string FileNameOnly(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/:");
  return ValidUtf8(slash == std::string::npos ? path : path.substr(slash + 1));
}

}  // namespace

std::string TodayText() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);  // one thread: the static result is safe
  char text[16] = "";
  if (local) std::strftime(text, sizeof text, "%Y-%m-%d", local);
  return text;
}

void FillOriginCells(xls::XlsSheet& sheet, const TReportOrigin& origin, int sheetNumber, int sheetCount) {
  const std::string file =
      origin.ProjectFile.empty() ? LocalText("Report_not_saved") : FileNameOnly(origin.ProjectFile);
  ReportCell(sheet, "B35").SetText(LocalText("Report_project") + " " + file);
  ReportCell(sheet, "I35").SetText(LocalText("Report_date") + " " + origin.Date);
  ReportCell(sheet, "N35")
      .SetText(LocalText("Report_sheet") + " " + std::to_string(sheetNumber) + " " + LocalText("Report_of") +
               " " + std::to_string(sheetCount));
}

}  // namespace orv::project
