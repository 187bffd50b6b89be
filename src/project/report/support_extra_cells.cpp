#include "project/report/support_extra_cells.h"

#include "project/report/report_cell.h"
#include "settings/localization.h"

namespace {

// A box's rows joined by blanks: the cell has room for one or two lines.
std::string OnOneLine(const std::string& text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      line += ' ';
    } else {
      line += text[i];
    }
  }
  return line;
}

}  // namespace

void FillTurnAndWeightSpans(xls::XlsSheet& sheet, const TPillar& support, const TSupportExplanation& how) {
  const char* side = support.TurnAngle == 0             ? "Report_no_turn"
                     : support.DeflectionDirection == 0 ? "toward_support"
                                                        : "from_support";
  ReportCell(sheet, "K24").SetText(LocalText(side));
  if (how.Swing) ReportCell(sheet, "L25").SetNumber(how.Swing->WeightSpan);
  if (how.WeightSpanMinTemp) ReportCell(sheet, "L26").SetNumber(*how.WeightSpanMinTemp);
}

void FillNoResultReason(xls::XlsSheet& sheet, const std::vector<std::string>& shown) {
  if (shown.empty()) return;
  std::string reason = LocalText("Report_no_result");
  for (const std::string& text : shown) reason += " " + OnOneLine(text);
  ReportCell(sheet, "B34").SetText(reason);
}
