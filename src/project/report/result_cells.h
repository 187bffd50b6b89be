#pragma once

#include <string>

#include "calc/pillar.h"
#include "project/report/report_units.h"
#include "xls/workbook.h"

namespace orv::project {

// What the calculation of one support gave; every support starts cleared, so
// a calculation that ends early shows empty text and zeros, never the values
// of the support before it.
struct TReportResults {
  std::string VerdictText;
  double VerticalLoadMinTemp = 0;
  double BalancingLoad = 0;
  double MinWeightSpan = 0;
};

// A negative smallest weight span limits nothing: the cell says so in words,
// as the screen does, rather than showing a number a reader would take for a
// span.
void SetSmallestWeightSpan(xls::XlsCell cell, double metres);

// B30 to B33 and H30 to H32. Without an insulator string only the tearing
// check was made: its rows 30 and 31 stay as the template has them.
void FillResultCells(xls::XlsSheet& sheet, const calc::TPillar& support, const TReportResults& results,
                     const TReportUnits& units);

}  // namespace orv::project
