#include "calc/wire_states.h"

#include "base/checked_math.h"
#include "calc/critical_spans.h"
#include "calc/governing_check.h"
#include "calc/state_equation.h"

using namespace orv::base;
using namespace orv::settings;

namespace orv::calc {

namespace {

// The drag coefficient of the wire free of ice: 1.1 only for a thick wire
// under heavy ice and a strong wind at ice.
double DragCoefficient(const TKlimat& klimat, double d) {
  double vice = klimat.WindVelocityIce;
  bool reduced = 0.5 * klimat.WindVelocityMax >= vice && vice > 15 && klimat.IceThickness >= 15 && d > 20;
  return reduced ? 1.1 : 1.2;
}

void SetPermissibleStresses(const TPillar& pillar, double area, TWireStates& s) {
  if (pillar.TensionMode == 0) {
    s.StressMax = pillar.StressMax;
    s.StressAverage = pillar.StressAverage;
  } else {
    s.StressMax = Divide(pillar.TensionMax, area);
    s.StressAverage = Divide(pillar.TensionAverage, area);
  }
}

TLimitStates LimitStatesOf(const TWireStates& s, const TPillar& pillar) {
  return {s.StressAverage, s.StressMax, s.Gamma1, s.GammaMax, pillar.SpanEquivalent};
}

void ComputeStresses(const TPillar& pillar, const TWireRecord& wire, const TKlimat& klimat, TWireStates& s) {
  TWireState s0 = InitialStateOf(s.Case, LimitStatesOf(s, pillar), klimat);
  double span = pillar.SpanEquivalent;
  double A[3], B[3], sigma[3];
  CarryCoefficients(s0, s.Loads.Gamma6, klimat.TempIceWind, span, wire, A[0], B[0]);
  CarryCoefficients(s0, s.Loads.GammaR6_25, 15, span, wire, A[1], B[1]);
  CarryCoefficients(s0, s.Gamma1, klimat.TempMin, span, wire, A[2], B[2]);
  SolveStateEquations(A, B, sigma, 3);
  s.Sigma1 = sigma[0];
  s.Sigma2 = sigma[1];
  s.Sigma3 = sigma[2];
}

}  // namespace

bool ComputeWireStates(const TPillar& pillar, const TWireRecord& wire, const TKlimat& klimat,
                       const TKlimatKoef& coefficients, TWireStates& s,
                       std::vector<TLocalMessage>* messages) {
  double F = wire.WireArea;
  double d = wire.WireDiameter;
  s.Gamma1 = Divide(wire.WireWeight, F);
  s.Beta = Divide(1, wire.WireModulus);
  SetPermissibleStresses(pillar, F, s);
  double cx = DragCoefficient(klimat, d);
  double alfaMax = SpanWindFactor(klimat.WindVelocityMax);
  s.GammaMax = WireLoads(THeightSelector::Wires, coefficients, klimat.WindVelocityIce, klimat.WindVelocityMax,
                         cx, alfaMax, F, d, klimat.IceThickness, wire.WireWeight, s.Loads);
  if (!CriticalSpans(s.StressAverage, s.StressMax, klimat.TempAverage, klimat.TempMin, klimat.TempIceNoWind,
                     s.Gamma1, s.GammaMax, s.Beta, wire.WireExpansion, s.l1, s.l2, s.l3, messages))
    return false;
  s.RuleCase = GoverningCase(pillar.SpanEquivalent, s.l1, s.l2, s.l3);
  // The rule can name a state from which the wire overstresses another
  // limit state; the check then takes one from which it does not.
  s.Case = CheckedGoverningCase(s.RuleCase, LimitStatesOf(s, pillar), klimat, wire);
  if (s.Case != CaseNone) ComputeStresses(pillar, wire, klimat, s);
  return true;
}

}  // namespace orv::calc
