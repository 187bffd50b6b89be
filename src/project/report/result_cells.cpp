#include "project/report/result_cells.h"

#include "project/report/report_cell.h"
#include "settings/localization.h"

using namespace orv::settings;
using namespace orv::calc;

namespace orv::project {

void SetSmallestWeightSpan(xls::XlsCell cell, double metres) {
  if (metres < 0)
    cell.SetText(LocalText("Results_not_limiting"));
  else
    cell.SetNumber(metres);
}

void FillResultCells(xls::XlsSheet& sheet, const TPillar& support, const TReportResults& results,
                     const TReportUnits& units) {
  // The tearing force in the units of the report, as the summary and the
  // screen give the vertical load, its row saying which.
  const std::string tearing = units.NBased ? LocalText("Report_tearing_kN") : "";
  if (support.InsulatorWeight != 0) {
    ReportCell(sheet, "B30").SetText(LocalText("Mess_15"));
    ReportCell(sheet, "B31").SetText(LocalText("Mess_16"));
    ReportCell(sheet, "B32").SetText(units.NBased ? tearing : LocalText("Mess_17"));
    ReportCell(sheet, "H30").SetNumber(results.BalancingLoad);
    SetSmallestWeightSpan(ReportCell(sheet, "H31"), results.MinWeightSpan);
  } else {
    ReportCell(sheet, "B32").SetText(units.NBased ? tearing : LocalText("Mess_14"));
  }
  ReportCell(sheet, "B33").SetText(results.VerdictText);
  // An upward (tearing) load is negative in the calculation and shown
  // positive; 0 - x keeps a zero load from showing as "-0".
  ReportCell(sheet, "H32").SetNumber(0.0 - results.VerticalLoadMinTemp * units.ForceFactor);
}

}  // namespace orv::project
