#pragma once

#include "calc/governing_case.h"
#include "calc/klimat.h"
#include "calc/wire_record.h"

namespace orv::calc {

// The three limit states of a wire in a span: the stress it may carry at the
// average annual temperature under its own weight, and at the lowest
// temperature and under the greatest load.
struct TLimitStates {
  double StressAverage = 0, StressMax = 0;  // permissible stresses, daN/mm²
  double Gamma1 = 0, GammaMax = 0;          // specific loads
  double Span = 0;                          // equivalent span, m
};

// A state of the wire: stress, specific load and temperature.
struct TWireState {
  double stress, gamma, temp;
};

// The initial state a governing case names.
TWireState InitialStateOf(TGoverningCase c, const TLimitStates& limits, const TKlimat& klimat);

// The coefficients of σ − B/σ² = A that carry `from` over the span to the
// load gamma at temp.
void CarryCoefficients(const TWireState& from, double gamma, double temp, double span,
                       const TWireRecord& wire, double& A, double& B);

// The case of `rule` (from the critical spans) if, carried from it, the wire
// stays within all three limit states (to 1·10⁻⁴ daN/mm²); otherwise the
// first of cases 1, 2, 3 that does; the rule's answer when none does.
TGoverningCase CheckedGoverningCase(TGoverningCase rule, const TLimitStates& limits, const TKlimat& klimat,
                                    const TWireRecord& wire);

}  // namespace orv::calc
