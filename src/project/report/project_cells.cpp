#include "project/report/project_cells.h"

#include <string>

#include "project/report/report_cell.h"

using namespace orv::calc;

namespace orv::project {

void SetReportLayout(xls::XlsSheet& sheet) {
  // Columns A to R in characters; the report does not rely on whoever last
  // saved the template. L holds the expansion coefficient ("1.92E-05"),
  // which a spreadsheet shows as "########" unless it has room beyond its
  // eight characters.
  static constexpr double kWidths[] = {0.83, 24, 9.71, 8, 7.81, 7, 7, 7, 7, 7, 7, 10.5, 7, 7, 7, 7, 7, 8.43};
  for (int column = 0; column < static_cast<int>(std::size(kWidths)); ++column) {
    sheet.SetColumnWidth(column, kWidths[column]);
  }
  sheet.SetRowHeight(14, 24.75);  // row 15: the two-line limits label
}

void FillProjectCells(xls::XlsSheet& sheet, const TProject& project) {
  const TKlimat& k = project.Klimat;
  const TKlimatKoef& c = project.KlimatKoef;
  const struct {
    const char* address;
    double value;
  } numbers[] = {
      {"E4", k.IceThickness},
      {"E5", k.WindVelocityMax},
      {"E6", k.WindVelocityIce},
      {"E7", k.TempMin},
      {"E8", k.TempMax},
      {"E9", k.TempIceNoWind},
      {"E10", k.TempIceWind},
      {"E11", k.TempAverage},
      {"L4", c.WindRespCoef},
      {"L5", c.WindRegionalCoef},
      {"L6", c.WindReliabilityCoef},
      {"L8", c.IceRespCoef},
      {"L9", c.IceRegionalCoef},
      {"L10", c.IceReliabilityCoef},
      {"L11", c.IceOperatingCoef},
  };
  for (const auto& n : numbers) ReportCell(sheet, n.address).SetNumber(n.value);

  std::string terrain;
  c.TerrainLetter(terrain);
  ReportCell(sheet, "R3").SetText(terrain);
  ReportCell(sheet, "R4").SetInteger(c.WireHeight);
}

}  // namespace orv::project
