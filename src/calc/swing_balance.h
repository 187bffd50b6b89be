#pragma once

#include "calc/pillar.h"
#include "calc/support_explanation.h"
#include "calc/swing_angle.h"
#include "calc/wire_record.h"

namespace orv::calc {

// The string balance of one case of a support from the record of its
// calculation, so that the case's swing curves meet its permissible angles at
// the loads and the smallest weight span the calculation found.
TSwingBalance SwingBalanceOf(const TPillar& pillar, const TWireRecord& wire, const TSwingExplanation& swing,
                             TSwingCase swingCase);

}  // namespace orv::calc
