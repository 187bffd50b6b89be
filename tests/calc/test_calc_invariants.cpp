// Properties every calculated support must have, over many generated
// supports: route turns both ways, ballast angles below, between and above
// the two cases' angles, upward forces, winds across 20 to 40 m/s.
#include <gtest/gtest.h>

#include <cmath>
#include <array>
#include <cstdint>
#include <vector>

#include "calc/angles.h"
#include "calc/calculate_support.h"
#include "calc/swing_balance.h"
#include "calc/verdict_class.h"
#include "calc/wind_factors.h"
#include "calc_fixture.h"

using namespace orv::calc;

namespace {

constexpr int kSupports = 12000;

// A small generator of its own, so that every platform draws the same supports.
class TDraw {
 public:
  double Between(double lo, double hi) {
    state_ = state_ * 6364136223846793005u + 1442695040888963407u;
    return lo + (hi - lo) * static_cast<double>(state_ >> 11) / 9007199254740992.0;
  }
  bool Chance(double p) { return Between(0, 1) < p; }

 private:
  std::uint64_t state_ = 20261207;
};

struct TCase {
  TPillar support;
  TWireRecord wire;
  TKlimat klimat;
};

TCase Generate(TDraw& draw) {
  TCase c{ExampleSupport(), ExampleWire(), ExampleKlimat()};
  double scale = draw.Between(1, 4);  // from the 43 mm² wire to one of 170 mm²
  c.wire.WireDiameter *= std::sqrt(scale);
  c.wire.WireArea *= scale;
  c.wire.WireWeight *= scale;
  c.klimat.WindVelocityMax = draw.Between(20, 40);
  c.klimat.WindVelocityIce = draw.Between(0, 20);
  c.klimat.IceThickness = draw.Between(0, 20);
  TPillar& p = c.support;
  p.WiresInPhase = 1 + static_cast<int>(draw.Between(0, 3));
  p.SpanLeft = draw.Between(60, 450);
  p.SpanRight = draw.Between(60, 450);
  p.SpanEquivalent = (p.SpanLeft + p.SpanRight) / 2 * draw.Between(0.8, 1.2);
  p.GroundThis = 100 + draw.Between(-15, 8);
  p.TurnAngle = draw.Chance(0.3) ? 0 : draw.Between(0, 20);
  p.DeflectionDirection = draw.Chance(0.5) ? 0 : 1;
  p.DamperWeight = draw.Between(1.5, 16);
  p.InsulatorWeight = draw.Between(20, 90);
  p.StressMax = draw.Between(8, 14);
  p.StressAverage = p.StressMax * draw.Between(0.5, 0.8);
  p.AlfaP = draw.Between(40, 60);
  p.AlfaAB = draw.Between(8, 20);
  p.AlfaBal = draw.Between(5, 75);  // below, between and above the two angles
  // Half the supports near where the two cases meet: reduced wind's angle
  // about where P6.25/tan Alfa (a,b) equals P4/tan Alfa (p) (terrain A at
  // 15 m: P6.25/P4 = 100/(α·V²)).
  if (draw.Chance(0.5)) {
    double v = c.klimat.WindVelocityMax;
    double ratio = 100 / (SpanWindFactor(v) * v * v) * draw.Between(0.7, 1.4);
    p.AlfaAB = std::atan(TanDeg(p.AlfaP) * ratio) * 57.29577951308232;
  }
  return c;
}

struct TRun {
  TSupportResults results;
  TSupportExplanation record;
};

TRun Calculate(const TCase& c) {
  TRun run;
  run.results = CalculateSupport(c.support, c.wire, c.klimat, TKlimatKoef(), &run.record);
  return run;
}

// Each case's string within its limit with the hardware hung, the ballast
// angle only on its own case and only with a ballast; an upward force held;
// the smallest weight span of the governing case consistent with its load.
void CheckInvariants(const TCase& c, const TRun& run) {
  const TSwingExplanation& w = *run.record.Swing;
  const TVerdict& verdict = VerdictOf(*run.results.Verdict);
  if (w.BallastHung) {
    EXPECT_TRUE(verdict.Class == TVerdictClass::Ballast || !verdict.Hangs) << verdict.Key;
  }
  double n = c.support.WiresInPhase;
  const TSwingCaseExplanation& g = w.Governing();
  double bySpan = n * c.wire.WireWeight * (*run.results.MinWeightSpan - g.WeightSpan);
  EXPECT_NEAR(g.Load, bySpan, 1e-9 * (1 + std::fabs(bySpan)));
  EXPECT_GE(g.Load, w.Cases[g.Case == TSwingCase::MaxWind ? 1 : 0].Load);
  const std::optional<double> weight = verdict.Weight(c.support.DamperWeight);
  if (!weight) return;  // Mess_13 holds whatever is needed
  const double carries = *weight + verdict.Tolerance + 1e-9;
  for (const TSwingCaseExplanation& k : w.Cases) {
    TSwingBalance balance = SwingBalanceOf(c.support, c.wire, w, k.Case);
    EXPECT_GE(carries, WeightForSwingAngle(balance, w.LimitAngle(k.Case)) - 1e-9)
        << verdict.Key << " case " << static_cast<int>(k.Case);
  }
  if (*run.results.VerticalLoadMinTemp < 0) {
    EXPECT_GE(carries, -*run.results.VerticalLoadMinTemp) << verdict.Key;
  }
}

class CalcInvariantsTest : public CalcTest {};

TEST_F(CalcInvariantsTest, HoldOverGeneratedSupports) {
  TDraw draw;
  int checked = 0, turns = 0, ballasts = 0, maxWind = 0, reduced = 0, uplift = 0, noBallastCase = 0;
  for (int i = 0; i < kSupports; ++i) {
    TCase c = Generate(draw);
    TRun run = Calculate(c);
    if (!run.record.Swing || !run.results.BalancingLoad) continue;
    SCOPED_TRACE(testing::Message() << "support " << i);
    CheckInvariants(c, run);
    ++checked;
    const TSwingExplanation& w = *run.record.Swing;
    turns += c.support.TurnAngle != 0;
    ballasts += w.BallastHung;
    maxWind += w.Case == TSwingCase::MaxWind;
    reduced += w.Case == TSwingCase::ReducedWind;
    uplift += *run.results.VerticalLoadMinTemp < 0;
    noBallastCase += w.BallastCase == TSwingCase::None;
    if (HasFailure()) break;
  }
  EXPECT_GE(checked, 10000);
  // The draw reaches every regime the properties are about.
  EXPECT_GT(turns, 1000);
  EXPECT_GT(ballasts, 1000);
  EXPECT_GT(maxWind, 1000);
  EXPECT_GT(reduced, 1000);
  EXPECT_GT(uplift, 100);
  EXPECT_GT(noBallastCase, 100);
}

TEST_F(CalcInvariantsTest, NoJumpWhereTheWindCrossesAJointOfTheSpanFactor) {
  TDraw draw;
  for (int i = 0; i < 3000; ++i) {
    TCase c = Generate(draw);
    c.support.DamperWeight = 1000;  // the load at φ_g itself, whatever its size
    for (double joint : {25.3, 29.6, 34.8}) {
      c.klimat.WindVelocityMax = joint;
      TRun at = Calculate(c);
      c.klimat.WindVelocityMax = std::nextafter(joint, 100.0);
      TRun above = Calculate(c);
      if (!at.results.MinWeightSpan || !above.results.MinWeightSpan) continue;
      SCOPED_TRACE(testing::Message() << "support " << i << " at " << joint << " m/s");
      EXPECT_NEAR(*at.results.MinWeightSpan, *above.results.MinWeightSpan, 1e-6);
      EXPECT_NEAR(*at.results.BalancingLoad, *above.results.BalancingLoad, 1e-6);
    }
    if (HasFailure()) break;
  }
}

// Each case's load at its own angle over a scan of the maximum wind: a step
// more than 0.01 kg and three times both its neighbours is a jump, allowed
// only where the drag coefficient steps.
TEST_F(CalcInvariantsTest, EachCaseMovesSmoothlyWithTheWind) {
  TDraw draw;
  constexpr int kSteps = 200;  // 20 to 40 m/s by 0.1
  int scanned = 0;
  for (int i = 0; i < 150; ++i) {
    TCase c = Generate(draw);
    std::vector<std::array<double, 2>> loads;
    std::vector<double> cx;
    for (int step = 0; step <= kSteps; ++step) {
      c.klimat.WindVelocityMax = 20 + step / 10.0;
      TRun run = Calculate(c);
      if (!run.record.Swing) break;
      loads.push_back({run.record.Swing->Cases[0].Load, run.record.Swing->Cases[1].Load});
      cx.push_back(run.record.Cx);
    }
    if (loads.size() != kSteps + 1) continue;
    ++scanned;
    for (int k = 0; k < 2; ++k)
      for (int step = 2; step + 1 < kSteps; ++step) {
        auto change = [&](int at) { return std::fabs(loads[at][k] - loads[at - 1][k]); };
        bool jump = change(step) > 0.01 && change(step) > 3 * change(step - 1) && change(step) > 3 * change(step + 1);
        bool dragSteps = cx[step] != cx[step - 1];
        EXPECT_FALSE(jump && !dragSteps) << "support " << i << ", case " << k << " at "
                                         << 20 + step / 10.0 << " m/s: " << loads[step - 1][k] << " to "
                                         << loads[step][k];
      }
    if (HasFailure()) break;
  }
  EXPECT_GT(scanned, 100);
}

}  // namespace
