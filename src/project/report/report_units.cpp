#include "project/report/report_units.h"

#include "settings/units.h"

using namespace orv::settings;

namespace orv::project {

TReportUnits CurrentReportUnits() {
  TReportUnits units;
  units.ForceFactor = ForceFactor();
  units.StressFactor = StressFactor();
  // The template follows the factors, not a fresh read of the stored
  // setting: a setting changed from outside while the program runs must not
  // put daN values under N labels.
  units.NBased = units.ForceFactor != 1.0 || units.StressFactor != 1.0;
  return units;
}

}  // namespace orv::project
