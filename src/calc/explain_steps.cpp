#include "calc/explain_steps.h"

#include "base/checked_math.h"
#include "calc/angles.h"
#include "calc/critical_spans.h"

using namespace orv::base;

namespace orv::calc {

namespace {

std::optional<double> RealSpan(double span) {
  if (span == kImaginarySpan) return std::nullopt;
  return span;
}

}  // namespace

void ExplainWireStates(const TWireStates& s, const TWireRecord& wire, bool spansPassed,
                       TSupportExplanation& x) {
  x.P1 = wire.WireWeight;
  x.P4 = s.Loads.P4;
  x.P6_25 = s.Loads.P6_25;
  x.Gamma1 = s.Gamma1;
  x.Gamma6 = s.Loads.Gamma6;
  x.GammaR6_25 = s.Loads.GammaR6_25;
  x.GammaMax = s.GammaMax;
  x.StressMax = s.StressMax;
  x.StressAverage = s.StressAverage;
  if (!spansPassed) return;
  x.HasCriticalSpans = true;
  x.CriticalSpans = {RealSpan(s.l1), RealSpan(s.l2), RealSpan(s.l3)};
  x.GoverningRule = s.RuleCase;
  x.GoverningCase = s.Case;
  if (s.Case != CaseNone) x.StateStresses = std::array<double, 3>{s.Sigma1, s.Sigma2, s.Sigma3};
}

TSwingExplanation ExplainSwing(const TPillar& p, const TWireRecord& wire, const TWireStates& s,
                               const TDeflectionCase& g, const TBalance& balance, double H, double kd,
                               double Kl) {
  TSwingExplanation w;
  w.Case = g.maxWind ? TSwingCase::MaxWind : TSwingCase::ReducedWind;
  w.NeedMaxWind = Divide(s.Loads.P4, TanDeg(p.AlfaP));
  w.NeedReducedWind = Divide(s.Loads.P6_25, TanDeg(p.AlfaAB));
  w.GoverningAngle = g.angle;
  w.WindLoad = g.windLoad;
  w.Stress = g.stress;
  w.DynamicCoefficient = kd;
  w.SpanLengthFactor = Kl;
  w.WeightSpan = balance.WeightSpan;
  w.MinWeightSpan = balance.MinWeightSpan;
  w.LoadBeforeBallastRule = balance.LoadBeforeBallastRule;
  w.BallastAngleUsed = balance.BallastAngleUsed;
  w.DamperWeight = p.DamperWeight;
  w.PermissibleAngle = balance.BallastAngleUsed ? p.AlfaBal : g.angle;
  w.TurnTerm = balance.TurnTerm;
  double n = p.WiresInPhase;
  w.HorizontalWireLoad = Divide(n * g.windLoad * Kl * H, kd);
  w.HorizontalTurnLoad = balance.TurnPull;
  w.VerticalWireLoad = n * wire.WireWeight * balance.WeightSpan;
  w.VerticalStringLoad = p.InsulatorWeight / 2;
  return w;
}

}  // namespace orv::calc
