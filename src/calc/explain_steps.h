#pragma once

#include "calc/balancing_load.h"
#include "calc/pillar.h"
#include "calc/support_explanation.h"
#include "calc/wire_record.h"
#include "calc/wire_states.h"

namespace orv::calc {

// Copies into the record what the wire-mechanics stage found: loads, the
// critical spans when spansPassed, the governing case and the state stresses.
void ExplainWireStates(const TWireStates& states, const TWireRecord& wire, bool spansPassed,
                       TSupportExplanation& explanation);

// The string check as ComputeBalance ran it.
TSwingExplanation ExplainSwing(const TPillar& pillar, const TBalance& balance, double kd, double Kl);

}  // namespace orv::calc
