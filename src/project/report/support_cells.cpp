#include "project/report/support_cells.h"

#include "base/checked_math.h"
#include "project/report/report_cell.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;

namespace orv::project {

TDisplayedLimits DisplayedLimits(const TPillar& support, double wireArea, const TReportUnits& units) {
  TDisplayedLimits shown;
  if (support.TensionMode == 0) {
    shown.StressMax = units.StressFactor * support.StressMax;
    shown.StressAverage = units.StressFactor * support.StressAverage;
    shown.TensionMax = units.ForceFactor * support.StressMax * wireArea;
    shown.TensionAverage = units.ForceFactor * support.StressAverage * wireArea;
  } else {
    // A wire of no area has no stress: the division reports it rather than
    // writing an infinity into the sheet.
    shown.StressMax = units.StressFactor * Divide(support.TensionMax, wireArea);
    shown.StressAverage = units.StressFactor * Divide(support.TensionAverage, wireArea);
    shown.TensionMax = units.ForceFactor * support.TensionMax;
    shown.TensionAverage = units.ForceFactor * support.TensionAverage;
  }
  shown.StressMax = Finite(shown.StressMax);
  shown.StressAverage = Finite(shown.StressAverage);
  shown.TensionMax = Finite(shown.TensionMax);
  shown.TensionAverage = Finite(shown.TensionAverage);
  return shown;
}

void FillSupportCells(xls::XlsSheet& sheet, const TPillar& support, const TWireRecord& wire,
                      const TReportUnits& units) {
  const TDisplayedLimits limits = DisplayedLimits(support, wire.WireArea, units);
  ReportCell(sheet, "B13").SetText(LocalText("Support") + " " + support.SupportNumber);
  ReportCell(sheet, "D14").SetText(support.WireName);
  const struct {
    const char* address;
    double value;
  } numbers[] = {
      {"D15", limits.StressMax},       {"D16", limits.StressAverage},
      {"E15", limits.TensionMax},      {"E16", limits.TensionAverage},
      {"D17", support.SpanLeft},       {"D18", support.SpanRight},
      {"D19", support.SpanEquivalent}, {"D20", support.GroundLeft},
      {"D21", support.GroundThis},     {"D22", support.GroundRight},
      {"D23", support.HeightLeft},     {"D24", support.HeightThis},
      {"D25", support.HeightRight},    {"D26", support.AlfaP},
      {"D27", support.AlfaAB},         {"D28", support.AlfaBal},
      {"L14", wire.WireDiameter},      {"L15", wire.WireArea},
      {"L16", wire.WireWeight},        {"L17", Finite(units.ForceFactor * wire.WireModulus)},
      {"L18", wire.WireExpansion},     {"L20", support.TurnAngle},
      {"L21", support.DamperWeight},   {"L22", support.InsulatorWeight},
  };
  for (const auto& n : numbers) ReportCell(sheet, n.address).SetNumber(n.value);
  ReportCell(sheet, "L23").SetInteger(support.WiresInPhase);
}

}  // namespace orv::project
