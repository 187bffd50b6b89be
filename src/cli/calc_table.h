#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "project/results/project_results.h"

namespace orv::cli {

// The readable table of `orvane calc`: one row per support with its number,
// wire, balancing load, smallest weight span, vertical load at the lowest
// temperature and the verdict (or the error that ended its calculation).
// Headings in the current language; a value the calculation did not write
// shows as "-".
std::string CalcTable(const std::vector<project::TSupportOutcome>& supports);

// The headings of the table's seven columns, in the current language; the
// vertical load in kN when `nBased`, else in daN.
std::array<std::string, 7> CalcTableHeadings(bool nBased);
// A value of the table with three decimals, "-" for none.
std::string Fixed3(const std::optional<double>& value);
// The verdict column: the verdict on one line, "error: " and the error, or
// "-" when the calculation wrote none.
std::string CalcVerdictCell(const project::TSupportOutcome& support);

}  // namespace orv::cli
