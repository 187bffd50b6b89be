#pragma once

#include <string>
#include <vector>

#include "calc/pillar.h"
#include "calc/support_explanation.h"
#include "project/report/report_units.h"
#include "project/report/result_cells.h"
#include "xls/workbook.h"

namespace orv::project {

// One support as the summary sheet lists it.
struct TSummaryRow {
  calc::TPillar Support;
  TReportResults Results;
  std::string VerdictKey;  // "" when the calculation wrote no verdict
  calc::TSupportExplanation Explanation;
};

// Appends the sheet that lists every support on one line each: number, wire,
// spans, the weight to add and what to hang, the smallest weight span against
// the support's own, the vertical load at the lowest temperature (in the
// report's force unit), the verdict and the warnings on its data. A value the calculation did not
// reach is left empty.
void AddSummarySheet(xls::XlsWorkbook& book, const std::vector<TSummaryRow>& rows, const TReportUnits& units);

}  // namespace orv::project
