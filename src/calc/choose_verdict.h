#pragma once

#include <string>

namespace orv::calc {

// The dictionary key ("Mess_01" .. "Mess_13") of the recommendation for a
// load of x kg at a support whose vibration damper weighs D kg.
std::string ChooseVerdict(double x, double D);

// The recommendation once a ballast is hung, for a load x computed at the
// ballast angle: always a ballast (50 kg for any load up to 53 kg, a
// negative one included) or "Mess_13" above what the ballasts carry.
std::string ChooseBallastVerdict(double x, double D);

}  // namespace orv::calc
