#pragma once

namespace orv::project {

// The display units of one report: the template and the numbers always agree.
struct TReportUnits {
  bool NBased = false;
  double ForceFactor = 1.0;   // tension forces and the modulus
  double StressFactor = 1.0;  // stresses
};

// The units in force for this run (the factors the settings hold).
TReportUnits CurrentReportUnits();

}  // namespace orv::project
