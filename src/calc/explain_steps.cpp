#include "calc/explain_steps.h"

#include "base/checked_math.h"
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
  x.P2 = s.Loads.P2;
  x.P5 = s.Loads.P5;
  x.P7 = s.Loads.P7;
  x.Gamma1 = s.Gamma1;
  x.Gamma6 = s.Loads.Gamma6;
  x.GammaR6_25 = s.Loads.GammaR6_25;
  x.Gamma7 = s.Loads.Gamma7;
  x.HeightFactor = s.Loads.K;
  x.AlfaMax = s.Loads.AlfaMax;
  x.AlfaIce = s.Loads.AlfaIce;
  x.Cx = s.Loads.Cx;
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

TSwingExplanation ExplainSwing(const TPillar& p, const TBalance& balance, double kd, double Kl) {
  TSwingExplanation w;
  w.Case = balance.Governing;
  w.BallastCase = balance.BallastCase;
  w.BallastHung = balance.BallastHung;
  w.BallastAngle = p.AlfaBal;
  w.DamperWeight = p.DamperWeight;
  w.DynamicCoefficient = kd;
  w.SpanLengthFactor = Kl;
  w.VerticalStringLoad = p.InsulatorWeight / 2;
  w.LoadBeforeBallastRule = balance.Need;
  w.Cases = balance.Cases;
  return w;
}

}  // namespace orv::calc
