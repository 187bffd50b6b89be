#include "calc/balancing_load.h"

#include "base/checked_math.h"
#include "calc/angles.h"

using namespace orv::base;

namespace orv::calc {

namespace {

struct TLoadTerms {
  const TPillar& pillar;
  const TWireRecord& wire;
  const TDeflectionCase& g;
  double S, kd, Kl;
};

// The sideways pull of one wire at a route turn: two spans meeting at the
// turn angle θ pull it by 2·σ_g·F·sin(θ/2). Positive when the string
// deflects toward the support, where the pull adds to the wind; negative
// from the support.
double WireTurnPull(const TLoadTerms& t) {
  const TPillar& p = t.pillar;
  if (p.TurnAngle == 0) return 0;
  double pull = 2 * t.g.stress * t.wire.WireArea * SinDeg(p.TurnAngle / 2);
  return p.DeflectionDirection == 0 ? pull : -pull;
}

// The load that keeps the string within an angle whose tangent is given:
// the horizontal load over the tangent less the vertical load already there.
double Load(const TLoadTerms& t, double tangent, double turnPull) {
  const TPillar& p = t.pillar;
  double n = p.WiresInPhase;
  double wind = Divide(t.g.windLoad * t.Kl, t.kd * tangent);
  return Finite(n * (p.SpanLeft + p.SpanRight) / 2 * (wind - t.wire.WireWeight) -
                n * t.g.stress * t.wire.WireArea * t.S - p.InsulatorWeight / 2 + Divide(turnPull, tangent));
}

// The weight span at which the wires alone hold the string at φ_g: the same
// balance as Load(φ_g), so that Load(φ_g) = n·P1·(this − L_w).
double MinWeightSpan(const TLoadTerms& t, double H, double wirePull) {
  const TPillar& p = t.pillar;
  double n = p.WiresInPhase;
  double P1 = t.wire.WireWeight;
  return Finite(Divide(t.g.windLoad * t.Kl * H + wirePull, t.kd * P1 * t.g.tangent) -
                Divide(p.InsulatorWeight, 2 * n * P1));
}

}  // namespace

TDeflectionCase GoverningDeflection(const TPillar& pillar, const TWireStates& s) {
  double tanP = TanDeg(pillar.AlfaP);
  double tanAB = TanDeg(pillar.AlfaAB);
  if (Divide(s.Loads.P4, tanP) > Divide(s.Loads.P6_25, tanAB))
    return {pillar.AlfaP, tanP, s.Loads.P4, s.Sigma1, true};
  return {pillar.AlfaAB, tanAB, s.Loads.P6_25, s.Sigma2, false};
}

TBalance ComputeBalance(const TPillar& pillar, const TWireRecord& wire, const TWireStates& states,
                        const TDeflectionCase& g, double S, double H, double kd, double Kl) {
  TLoadTerms terms{pillar, wire, g, S, kd, Kl};
  TBalance balance;
  double wirePull = WireTurnPull(terms);
  balance.TurnPull = Finite(Divide(pillar.WiresInPhase * wirePull, kd));
  balance.MinWeightSpan = MinWeightSpan(terms, H, wirePull);
  balance.WeightSpan = Finite(H + Divide(g.stress, states.Gamma1) * S);
  balance.TurnTerm = Finite(Divide(balance.TurnPull, g.tangent));
  if (balance.WeightSpan < balance.MinWeightSpan)
    balance.BalancingLoad = Load(terms, g.tangent, balance.TurnPull);
  balance.LoadBeforeBallastRule = balance.BalancingLoad;
  // More than four dampers would have to carry it: a ballast is hung, and
  // the string may then deflect to the ballast angle, turn pull included.
  balance.BallastAngleUsed = balance.BalancingLoad > 4 * pillar.DamperWeight;
  if (balance.BallastAngleUsed) balance.BalancingLoad = Load(terms, TanDeg(pillar.AlfaBal), balance.TurnPull);
  return balance;
}

}  // namespace orv::calc
