#include "calc/balancing_load.h"

#include <algorithm>

#include "base/checked_math.h"
#include "calc/angles.h"

using namespace orv::base;

namespace orv::calc {

namespace {

struct TLoadTerms {
  const TPillar& pillar;
  const TWireRecord& wire;
  const TDeflectionCase& c;
  double S, H, kd, Kl;
};

// The sideways pull of one wire at a route turn: two spans meeting at the
// turn angle θ pull it by 2·σ_c·F·sin(θ/2). Positive when the string
// deflects toward the support, where the pull adds to the wind; negative
// from the support.
double WireTurnPull(const TLoadTerms& t) {
  const TPillar& p = t.pillar;
  if (p.TurnAngle == 0) return 0;
  double pull = 2 * t.c.stress * t.wire.WireArea * SinDeg(p.TurnAngle / 2);
  return p.DeflectionDirection == 0 ? pull : -pull;
}

// The load that keeps the string within an angle whose tangent is given:
// the horizontal load over the tangent less the vertical load already there.
double Load(const TLoadTerms& t, double tangent, double turnPull) {
  const TPillar& p = t.pillar;
  double n = p.WiresInPhase;
  double wind = Divide(t.c.windLoad * t.Kl, t.kd * tangent);
  return Finite(n * t.H * (wind - t.wire.WireWeight) - n * t.c.stress * t.wire.WireArea * t.S -
                p.InsulatorWeight / 2 + Divide(turnPull, tangent));
}

// The weight span at which the wires alone hold the string at φ_c: the same
// balance as Load(φ_c), so that Load(φ_c) = n·P1·(this − L_w,c).
double MinWeightSpan(const TLoadTerms& t, double wirePull) {
  const TPillar& p = t.pillar;
  double n = p.WiresInPhase;
  double P1 = t.wire.WireWeight;
  return Finite(Divide(t.c.windLoad * t.Kl * t.H + wirePull, t.kd * P1 * t.c.tangent) -
                Divide(p.InsulatorWeight, 2 * n * P1));
}

TSwingCaseExplanation CaseBalance(const TLoadTerms& t, const TWireStates& states) {
  const TPillar& p = t.pillar;
  double n = p.WiresInPhase;
  TSwingCaseExplanation c;
  c.Case = t.c.which;
  c.Angle = t.c.angle;
  c.WindLoad = t.c.windLoad;
  c.Stress = t.c.stress;
  double wirePull = WireTurnPull(t);
  c.HorizontalTurnLoad = Finite(Divide(n * wirePull, t.kd));
  c.HorizontalWireLoad = Finite(Divide(n * t.c.windLoad * t.Kl * t.H, t.kd));
  c.MinWeightSpan = MinWeightSpan(t, wirePull);
  c.WeightSpan = Finite(t.H + Divide(t.c.stress, states.Gamma1) * t.S);
  c.VerticalWireLoad = n * t.wire.WireWeight * c.WeightSpan;
  c.TurnTerm = Finite(Divide(c.HorizontalTurnLoad, t.c.tangent));
  c.Load = Load(t, t.c.tangent, c.HorizontalTurnLoad);
  // A weight span at least the smallest one needs nothing, whatever the
  // rounding of the load says.
  c.Need = c.WeightSpan < c.MinWeightSpan ? std::max(0.0, c.Load) : 0;
  if (t.c.which == BallastAngleCase(p)) c.LoadAtBallastAngle = Load(t, TanDeg(p.AlfaBal), c.HorizontalTurnLoad);
  return c;
}

TSwingCaseExplanation& Of(TBalance& b, TSwingCase c) { return b.Cases[c == TSwingCase::MaxWind ? 0 : 1]; }

}  // namespace

std::array<TDeflectionCase, 2> DeflectionCases(const TPillar& p, const TWireStates& s) {
  return {TDeflectionCase{TSwingCase::MaxWind, p.AlfaP, TanDeg(p.AlfaP), s.Loads.P4, s.Sigma1},
          TDeflectionCase{TSwingCase::ReducedWind, p.AlfaAB, TanDeg(p.AlfaAB), s.Loads.P6_25, s.Sigma2}};
}

TSwingCase BallastAngleCase(const TPillar& p) {
  bool maxBelow = p.AlfaP < p.AlfaBal, reducedBelow = p.AlfaAB < p.AlfaBal;
  if (maxBelow && (!reducedBelow || p.AlfaP > p.AlfaAB)) return TSwingCase::MaxWind;
  return reducedBelow ? TSwingCase::ReducedWind : TSwingCase::None;
}

TBalance ComputeBalance(const TPillar& pillar, const TWireRecord& wire, const TWireStates& states, double S,
                        double H, double kd, double Kl) {
  TBalance b;
  std::array<TDeflectionCase, 2> cases = DeflectionCases(pillar, states);
  for (int i = 0; i < 2; ++i) b.Cases[i] = CaseBalance({pillar, wire, cases[i], S, H, kd, Kl}, states);
  const TSwingCaseExplanation &maxWind = b.Cases[0], &reduced = b.Cases[1];
  b.Governing = maxWind.Load > reduced.Load ? TSwingCase::MaxWind : TSwingCase::ReducedWind;
  b.BallastCase = BallastAngleCase(pillar);
  b.MinWeightSpan = Of(b, b.Governing).MinWeightSpan;
  b.Need = std::max(maxWind.Need, reduced.Need);
  b.BalancingLoad = b.Need;
  // More than four dampers would have to carry it: a ballast is hung, and
  // the string of the ballast angle's case may then deflect to that angle;
  // the other case still keeps to its own.
  b.BallastHung = b.Need > 4 * pillar.DamperWeight;
  if (!b.BallastHung) return b;
  b.BalancingLoad = 0;
  for (const TSwingCaseExplanation& c : b.Cases)
    b.BalancingLoad = std::max(b.BalancingLoad, c.Case == b.BallastCase ? *c.LoadAtBallastAngle : c.Need);
  return b;
}

}  // namespace orv::calc
