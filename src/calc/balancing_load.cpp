#include "calc/balancing_load.h"

#include "base/checked_math.h"
#include "calc/angles.h"

namespace {

struct TLoadTerms {
  const TPillar& pillar;
  const TWireRecord& wire;
  const TDeflectionCase& g;
  double S, kd, Kl;
};

// The route-turn term of the load: a quarter of the turn angle, always with
// the governing angle; its sign follows the side the string deflects to.
double TurnTerm(const TLoadTerms& t) {
  const TPillar& p = t.pillar;
  if (p.TurnAngle == 0) return 0;
  double n = p.WiresInPhase;
  double C = Divide(2 * n * t.g.stress * t.wire.WireArea * SinDeg(p.TurnAngle / 4), t.kd * t.g.tangent);
  return p.DeflectionDirection == 0 ? C : -C;
}

// The load that keeps the string within an angle whose tangent is given.
double Load(const TLoadTerms& t, double tangent, double turn) {
  const TPillar& p = t.pillar;
  double n = p.WiresInPhase;
  double wind = Divide(t.g.windLoad * t.Kl, t.kd * tangent);
  return Finite(n * (p.SpanLeft + p.SpanRight) / 2 * (wind - t.wire.WireWeight) -
                n * t.g.stress * t.wire.WireArea * t.S - p.InsulatorWeight / 2 + turn);
}

double MinWeightSpan(const TLoadTerms& t, double H) {
  const TPillar& p = t.pillar;
  double n = p.WiresInPhase;
  double P1 = t.wire.WireWeight;
  double turn = 2 * t.g.stress * t.wire.WireArea * SinDeg(p.TurnAngle / 2);
  return Finite(Divide(t.g.windLoad * t.Kl * H + turn, t.kd * P1 * t.g.tangent) -
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
  balance.MinWeightSpan = MinWeightSpan(terms, H);
  balance.WeightSpan = Finite(H + Divide(g.stress, states.Gamma1) * S);
  balance.TurnTerm = Finite(TurnTerm(terms));
  if (balance.WeightSpan < balance.MinWeightSpan)
    balance.BalancingLoad = Load(terms, g.tangent, balance.TurnTerm);
  balance.LoadBeforeBallastRule = balance.BalancingLoad;
  // More than four dampers would have to carry it: a ballast is hung, and
  // the string may then deflect to the ballast angle.
  balance.BallastAngleUsed = balance.BalancingLoad > 4 * pillar.DamperWeight;
  if (balance.BallastAngleUsed) balance.BalancingLoad = Load(terms, TanDeg(pillar.AlfaBal), balance.TurnTerm);
  return balance;
}
