#pragma once

#include "calc/pillar.h"
#include "calc/wire_record.h"
#include "project/report/report_units.h"
#include "xls/workbook.h"

namespace orv::project {

// The support's inputs and its wire's data; the limits and the modulus in
// the report's display units.
void FillSupportCells(xls::XlsSheet& sheet, const calc::TPillar& support, const calc::TWireRecord& wire,
                      const TReportUnits& units);

// The displayed limits of a support: D15, D16 (stresses) and E15, E16
// (tension forces).
struct TDisplayedLimits {
  double StressMax = 0;
  double StressAverage = 0;
  double TensionMax = 0;
  double TensionAverage = 0;
};
TDisplayedLimits DisplayedLimits(const calc::TPillar& support, double wireArea, const TReportUnits& units);

}  // namespace orv::project
