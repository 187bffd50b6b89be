#pragma once

#include <string>
#include <vector>

#include "calc/pillar.h"
#include "calc/support_explanation.h"
#include "xls/workbook.h"

namespace orv::project {

// Beside the inputs: K24 the side the string deflects to at a route turn
// ("no turn" on a straight line), L25 the weight span of the governing wind
// case and L26 that of the lowest temperature, each left empty when the
// calculation did not reach it.
void FillTurnAndWeightSpans(xls::XlsSheet& sheet, const calc::TPillar& support, const calc::TSupportExplanation& how);

// B34: the boxes the calculation showed, on one line, after "No result:".
// The template hides the zeros of H30 to H32 while B34 holds a text.
void FillNoResultReason(xls::XlsSheet& sheet, const std::vector<std::string>& shown);

}  // namespace orv::project
