#pragma once

#include "calc/klimat_koef.h"
#include "base/line_reader.h"

namespace orv::project::detail {

// The seven load coefficients, one real a line, in the order both the project
// file and the Dastrel file keep them: the three wind coefficients, then the
// four ice coefficients.
void ReadLoadCoefficients(base::TextLineReader& file, calc::TKlimatKoef& koef);

}  // namespace orv::project::detail
