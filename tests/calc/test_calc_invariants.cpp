// Properties every calculated support must have, over many generated
// supports: route turns both ways, ballast angles below and above the
// governing angle, winds across 20 to 40 m/s.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "calc/calculate_support.h"
#include "calc/swing_balance.h"
#include "calc/verdict_class.h"
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
  p.GroundThis = 100 + draw.Between(-8, 8);
  p.TurnAngle = draw.Chance(0.3) ? 0 : draw.Between(0, 20);
  p.DeflectionDirection = draw.Chance(0.5) ? 0 : 1;
  p.DamperWeight = draw.Between(1.5, 16);
  p.InsulatorWeight = draw.Between(20, 90);
  p.StressMax = draw.Between(8, 14);
  p.StressAverage = p.StressMax * draw.Between(0.5, 0.8);
  p.AlfaP = draw.Between(40, 60);
  p.AlfaAB = draw.Between(8, 20);
  p.AlfaBal = draw.Between(5, 75);  // below and above the governing angle
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

// The load in kg by which the hardware of a verdict may fall short of the
// need: each ballast covers a little more than it weighs, and no load at all
// is asked for up to 2 kg.
double Tolerance(const THangingHardware& h) {
  if (h.Ballast == 0) return h.Dampers == 0 ? 2 : 0;
  return h.Ballast > 100 ? 5 : 3;
}

void CheckInvariants(const TCase& c, const TRun& run) {
  const TSwingExplanation& w = *run.record.Swing;
  const std::string key = *run.results.VerdictKey;
  const std::optional<THangingHardware> hardware = HardwareOf(key);
  // No verdict that hangs no ballast rests on the ballast angle.
  if (w.BallastAngleUsed) {
    EXPECT_TRUE(key == "Mess_13" || (hardware && hardware->Ballast > 0)) << key;
  }
  // Load(φ_g) = n·P1·(smallest weight span − own weight span).
  double n = c.support.WiresInPhase;
  if (w.LoadBeforeBallastRule != 0) {
    double bySpan = n * c.wire.WireWeight * (*run.results.MinWeightSpan - w.WeightSpan);
    EXPECT_NEAR(w.LoadBeforeBallastRule, bySpan, 1e-9 * (1 + std::fabs(bySpan)));
  } else {
    EXPECT_GE(w.WeightSpan, *run.results.MinWeightSpan);
  }
  // The hardware carries the load needed at the angle that applies to it.
  if (!hardware || *run.results.VerticalLoadMinTemp < 0) return;
  TSwingBalance balance = SwingBalanceOf(c.support, c.wire, w);
  double needed =
      hardware->Ballast > 0 ? WeightForSwingAngle(balance, c.support.AlfaBal) : w.LoadBeforeBallastRule;
  double weight = hardware->Dampers * c.support.DamperWeight + hardware->Ballast;
  EXPECT_GE(weight + Tolerance(*hardware) + 1e-9, needed) << key;
}

class CalcInvariantsTest : public CalcTest {};

TEST_F(CalcInvariantsTest, HoldOverGeneratedSupports) {
  TDraw draw;
  int checked = 0, turns = 0, ballasts = 0, stricter = 0;
  for (int i = 0; i < kSupports; ++i) {
    TCase c = Generate(draw);
    TRun run = Calculate(c);
    if (!run.record.Swing || !run.results.BalancingLoad) continue;
    SCOPED_TRACE(testing::Message() << "support " << i);
    CheckInvariants(c, run);
    ++checked;
    turns += c.support.TurnAngle != 0;
    ballasts += run.record.Swing->BallastAngleUsed;
    stricter += c.support.AlfaBal <= run.record.Swing->GoverningAngle;
    if (HasFailure()) break;
  }
  EXPECT_GE(checked, 10000);
  // The draw reaches every regime the properties are about.
  EXPECT_GT(turns, 1000);
  EXPECT_GT(ballasts, 1000);
  EXPECT_GT(stricter, 100);
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

}  // namespace
