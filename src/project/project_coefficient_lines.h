#pragma once

#include "calc/klimat_koef.h"
#include "base/line_reader.h"

// The seven load coefficients, one real a line, in the order both the project
// file and the Dastrel file keep them: the three wind coefficients, then the
// four ice coefficients.
void ReadLoadCoefficients(orv::base::TextLineReader& file, orv::calc::TKlimatKoef& koef);
