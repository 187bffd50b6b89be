#pragma once

#include "base/line_reader.h"
#include "calc/input_ranges.h"
#include "calc/klimat_koef.h"

namespace orv::project::detail {

// The seven load coefficients, one real a line, in the order both the project
// file and the Dastrel file keep them: the three wind coefficients, then the
// four ice coefficients. A coefficient outside its range is refused.
void ReadLoadCoefficients(base::TextLineReader& file, calc::TKlimatKoef& koef);

// Throws OrvError "<field> = <value>: outside the range <lo> – <hi>", in the
// language in force, when `value` is out of `range`; the reader adds the
// file and the line.
void CheckFieldRange(const calc::TInputRange& range, double value);

}  // namespace orv::project::detail
