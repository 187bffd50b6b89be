#pragma once

#include "calc/klimat.h"
#include "calc/klimat_koef.h"
#include "calc/pillar.h"
#include "calc/wire_record.h"

namespace orv::calc {

// Throws FloatingPointError when a real the calculation reads is NaN or
// infinite, so that none can travel into its results.
void CheckInputsFinite(const TPillar& pillar, const TWireRecord& wire, const TKlimat& klimat,
                       const TKlimatKoef& coefficients);

}  // namespace orv::calc
