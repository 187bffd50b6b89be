#include "project/report/support_extra_cells.h"

#include "base/text_utils.h"
#include "project/report/report_cell.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;

namespace orv::project {

void FillTurnAndWeightSpans(xls::XlsSheet& sheet, const TPillar& support, const TSupportExplanation& how) {
  const char* side = support.TurnAngle == 0             ? "Report_no_turn"
                     : support.DeflectionDirection == 0 ? "toward_support"
                                                        : "from_support";
  ReportCell(sheet, "K24").SetText(LocalText(side));
  if (how.Swing) ReportCell(sheet, "L25").SetNumber(how.Swing->Governing().WeightSpan);
  if (how.WeightSpanMinTemp) ReportCell(sheet, "L26").SetNumber(*how.WeightSpanMinTemp);
}

void FillNoResultReason(xls::XlsSheet& sheet, const std::vector<std::string>& shown) {
  if (shown.empty()) return;
  std::string reason = LocalText("Report_no_result");
  for (const std::string& text : shown) reason += " " + OnOneLine(text);
  ReportCell(sheet, "B34").SetText(reason);
}

}  // namespace orv::project
