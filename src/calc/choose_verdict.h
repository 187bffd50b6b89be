#pragma once

#include <string>

// The dictionary key ("Mess_01" .. "Mess_13") of the recommendation for a
// load of x kg at a support whose vibration damper weighs D kg.
std::string ChooseVerdict(double x, double D);
