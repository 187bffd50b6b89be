#include "calc/governing_check.h"

#include "base/checked_math.h"

using namespace orv::base;

namespace orv::calc {

namespace {

// A stress over its limit by more than this overstresses the wire (the
// state-change equation is solved to 5·10⁻⁵).
constexpr double kStressTolerance = 1e-4;

constexpr TGoverningCase kCases[] = {CaseAverageTemperature, CaseMinimumTemperature, CaseMaximumLoad};

// True when no limit state is exceeded by the wire carried from case c. The
// carried stress σ solves σ − B/σ² = A, whose left side rises with σ, so it
// lies above a limit s exactly when A > s − B/s²: no root need be found.
bool WithinLimits(TGoverningCase c, const TLimitStates& limits, const TKlimat& klimat,
                  const TWireRecord& wire) {
  TWireState from = InitialStateOf(c, limits, klimat);
  for (TGoverningCase limit : kCases) {
    if (limit == c) continue;  // its own state is met exactly
    TWireState to = InitialStateOf(limit, limits, klimat);
    double A = 0, B = 0;
    CarryCoefficients(from, to.gamma, to.temp, limits.Span, wire, A, B);
    double s = to.stress + kStressTolerance;
    if (A > s - B / (s * s)) return false;
  }
  return true;
}

}  // namespace

TWireState InitialStateOf(TGoverningCase c, const TLimitStates& limits, const TKlimat& klimat) {
  switch (c) {
    case CaseAverageTemperature:
      return {limits.StressAverage, limits.Gamma1, klimat.TempAverage};
    case CaseMinimumTemperature:
      return {limits.StressMax, limits.Gamma1, klimat.TempMin};
    default:
      return {limits.StressMax, limits.GammaMax, klimat.TempIceNoWind};
  }
}

void CarryCoefficients(const TWireState& from, double gamma, double temp, double span,
                       const TWireRecord& wire, double& A, double& B) {
  double E = wire.WireModulus;
  B = gamma * gamma * (span * span) * E / 24;
  A = from.stress - Divide(from.gamma * from.gamma * (span * span) * E, 24 * (from.stress * from.stress)) -
      wire.WireExpansion * E * (temp - from.temp);
}

TGoverningCase CheckedGoverningCase(TGoverningCase rule, const TLimitStates& limits, const TKlimat& klimat,
                                    const TWireRecord& wire) {
  if (rule != CaseNone && WithinLimits(rule, limits, klimat, wire)) return rule;
  for (TGoverningCase c : kCases)
    if (c != rule && WithinLimits(c, limits, klimat, wire)) return c;
  return rule;
}

}  // namespace orv::calc
