#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/pillar.h"
#include "calc/support_explanation.h"
#include "calc/verdict_class.h"
#include "project/report/report_units.h"
#include "project/report/result_cells.h"
#include "xls/workbook.h"

namespace orv::project {

// One support as the summary sheet lists it.
struct TSummaryRow {
  calc::TPillar Support;
  TReportResults Results;
  std::optional<calc::TVerdictId> Verdict;  // empty when the calculation wrote no verdict
  calc::TSupportExplanation Explanation;
  std::string Reason;  // why the verdict is what it is, in the report's language
};

// Appends the sheet that lists every support on one line each: number, wire,
// spans, the weight to add and what to hang, the smallest weight span against
// the support's own, the vertical load at the lowest temperature (in the
// report's force unit), the verdict, the warnings on its data and the reason
// (which swing case decided, what the other needs). A value the calculation did not
// reach is left empty.
void AddSummarySheet(xls::XlsWorkbook& book, const std::vector<TSummaryRow>& rows, const TReportUnits& units);

}  // namespace orv::project
