#include "calc/wire_states.h"

#include "calc/checked_math.h"
#include "calc/critical_spans.h"
#include "calc/state_equation.h"

namespace {

// The drag coefficient of the wire free of ice: 1.1 only for a thick wire
// under heavy ice and a strong wind at ice.
double DragCoefficient(const TKlimat& klimat, double d) {
  double vice = klimat.WindVelocityIce;
  bool reduced = 0.5 * klimat.WindVelocityMax >= vice && vice > 15 &&
                 klimat.IceThickness >= 15 && d > 20;
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

struct TInitialState {
  double stress, gamma, temp;
};

TInitialState InitialState(const TWireStates& s, const TKlimat& klimat) {
  switch (s.Case) {
    case CaseAverageTemperature: return {s.StressAverage, s.Gamma1, klimat.TempAverage};
    case CaseMinimumTemperature: return {s.StressMax, s.Gamma1, klimat.TempMin};
    default: return {s.StressMax, s.GammaMax, klimat.TempIceNoWind};
  }
}

double StateStress(const TInitialState& s0, double gamma, double temp, double span,
                   const TWireRecord& wire) {
  double E = wire.WireModulus;
  double B = Finite(gamma * gamma * (span * span) * E / 24);
  double A = s0.stress - Divide(s0.gamma * s0.gamma * (span * span) * E, 24 * (s0.stress * s0.stress)) -
             wire.WireExpansion * E * (temp - s0.temp);
  return SolveStateEquation(Finite(A), B);
}

void ComputeStresses(const TPillar& pillar, const TWireRecord& wire, const TKlimat& klimat,
                     TWireStates& s) {
  TInitialState s0 = InitialState(s, klimat);
  double span = pillar.SpanEquivalent;
  s.Sigma1 = StateStress(s0, s.Loads.Gamma6, klimat.TempIceWind, span, wire);
  s.Sigma2 = StateStress(s0, s.Loads.GammaR6_25, 15, span, wire);
  s.Sigma3 = StateStress(s0, s.Gamma1, klimat.TempMin, span, wire);
}

}  // namespace

bool ComputeWireStates(const TPillar& pillar, const TWireRecord& wire, const TKlimat& klimat,
                       const TKlimatKoef& coefficients, TWireStates& s) {
  double F = wire.WireArea;
  double d = wire.WireDiameter;
  s.Gamma1 = Divide(wire.WireWeight, F);
  s.Beta = Divide(1, wire.WireModulus);
  SetPermissibleStresses(pillar, F, s);
  double cx = DragCoefficient(klimat, d);
  double alfaMax = SpanWindFactor(klimat.WindVelocityMax);
  s.GammaMax = WireLoads(THeightSelector::Wires, coefficients, klimat.WindVelocityIce,
                         klimat.WindVelocityMax, cx, alfaMax, F, d, klimat.IceThickness,
                         wire.WireWeight, s.Loads);
  if (!CriticalSpans(s.StressAverage, s.StressMax, klimat.TempAverage, klimat.TempMin,
                     klimat.TempIceNoWind, s.Gamma1, s.GammaMax, s.Beta, wire.WireExpansion,
                     s.l1, s.l2, s.l3))
    return false;
  s.Case = GoverningCase(pillar.SpanEquivalent, s.l1, s.l2, s.l3);
  if (s.Case != CaseNone) ComputeStresses(pillar, wire, klimat, s);
  return true;
}
