#pragma once

#include <string>
#include <vector>

#include "cli/support_calculation.h"

// The readable table of `orvane calc`: one row per support with its number,
// wire, balancing load, smallest weight span, vertical load at the lowest
// temperature and the verdict (or the error that ended its calculation).
// Headings in the current language; a value the calculation did not write
// shows as "-".
std::string CalcTable(const std::vector<SupportCalculation>& supports);
