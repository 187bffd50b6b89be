#pragma once

#include "calc/verdict_class.h"

namespace orv::calc {

// The recommendation for a load of x kg at a support whose vibration damper
// weighs D kg (Mess_01 .. Mess_13).
TVerdictId ChooseVerdict(double x, double D);

// The recommendation once a ballast is hung: always a ballast (50 kg for any
// load up to 53 kg, a negative one included) or Mess_13 above what the
// ballasts carry.
TVerdictId ChooseBallastVerdict(double x, double D);

}  // namespace orv::calc
