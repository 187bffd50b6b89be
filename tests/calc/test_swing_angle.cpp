#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "calc/calculate_support.h"
#include "calc/swing_angle.h"
#include "calc/swing_balance.h"
#include "calc/verdict_class.h"
#include "calc_fixture.h"

using namespace orv::calc;

namespace {

class SwingAngleTest : public CalcTest {};

// The value of x in [lo, hi] at which a decreasing curve reaches `level`.
double Crossing(const std::function<double(double)>& curve, double level, double lo, double hi) {
  for (int i = 0; i < 200; ++i) {
    double mid = (lo + hi) / 2;
    (curve(mid) > level ? lo : hi) = mid;
  }
  return (lo + hi) / 2;
}

struct SwingRow {
  const char* name;
  std::function<void(TPillar&)> change;
  const char* verdictKey;
  TVerdictClass verdictClass;
  bool ballastAngle;
};

// One support of every verdict that follows an angle check.
const SwingRow kRows[] = {
    {"four dampers, reduced wind", [](TPillar&) {}, "Mess_04", TVerdictClass::Dampers, false},
    {"four dampers, maximum wind", [](TPillar& p) { p.AlfaAB = 20; }, "Mess_04", TVerdictClass::Dampers,
     false},
    {"nothing needed: the support stands high", [](TPillar& p) { p.GroundThis = 110; }, "Mess_01",
     TVerdictClass::NothingNeeded, false},
    {"ballast at reduced wind's ballast angle",
     [](TPillar& p) {
       p.GroundThis = 95;
       p.AlfaBal = 12;
     },
     "Mess_05", TVerdictClass::Ballast, true},
    {"over 200 kg: reduced wind of 2°, 2.2° with ballast",
     [](TPillar& p) {
       p.GroundThis = 95;
       p.AlfaAB = 2;
       p.AlfaBal = 2.2;
     },
     "Mess_13", TVerdictClass::OverLimit, true},
    {"turn toward the support, ballast angle",
     [](TPillar& p) {
       p.TurnAngle = 2;
       p.AlfaBal = 15;
       p.DeflectionDirection = 0;
     },
     "Mess_05", TVerdictClass::Ballast, true},
    {"turn from the support: the pull eases the string",
     [](TPillar& p) {
       p.TurnAngle = 2;
       p.AlfaBal = 15;
     },
     "Mess_01", TVerdictClass::NothingNeeded, false},
};

TEST_F(SwingAngleTest, CurvesMeetThePermissibleAnglesWhereTheCalculationSays) {
  for (const SwingRow& row : kRows) {
    SCOPED_TRACE(row.name);
    TPillar support = ExampleSupport();
    row.change(support);
    TSupportExplanation record;
    TSupportResults r = CalculateSupport(support, ExampleWire(), ExampleKlimat(), TKlimatKoef(), &record);
    ASSERT_TRUE(record.Swing && r.BalancingLoad && r.MinWeightSpan);
    const TSwingExplanation& w = *record.Swing;
    EXPECT_STREQ(VerdictOf(*r.Verdict).Key, row.verdictKey);
    EXPECT_EQ(VerdictClassOf(r.Verdict), row.verdictClass);
    EXPECT_EQ(w.BallastHung, row.ballastAngle);
    double needed = 0;
    for (const TSwingCaseExplanation& c : w.Cases) {
      TSwingBalance b = SwingBalanceOf(support, ExampleWire(), w, c.Case);
      auto atWeight = [&](double g) { return SwingAngleAtWeight(b, g); };
      EXPECT_NEAR(Crossing(atWeight, c.Angle, -5000, 5000), c.Load, 0.1);
      EXPECT_NEAR(WeightForSwingAngle(b, c.Angle), c.Load, 1e-9);
      auto atSpan = [&](double span) { return SwingAngleAtWeightSpan(b, span); };
      EXPECT_NEAR(Crossing(atSpan, c.Angle, -5000, 5000), c.MinWeightSpan, 0.1);
      // The support as it stands is one angle in both panels.
      EXPECT_NEAR(atSpan(c.WeightSpan), atWeight(0), 1e-9);
      needed = std::max(needed, w.BallastHung ? WeightForSwingAngle(b, w.LimitAngle(c.Case)) : c.Need);
    }
    EXPECT_NEAR(needed, *r.BalancingLoad, 1e-9);
    EXPECT_EQ(*r.MinWeightSpan, w.Governing().MinWeightSpan);
  }
}

TEST(VerdictTable, WeightsAndClassesOfTheHardware) {
  EXPECT_EQ(VerdictOf(TVerdictId::NoCalculation).Weight(5), 0);
  EXPECT_EQ(VerdictOf(TVerdictId::FourDampers).Weight(5), 20);
  EXPECT_EQ(VerdictOf(TVerdictId::TwoDampersBallast100).Weight(5), 110);
  EXPECT_EQ(VerdictOf(TVerdictId::TwoDampersBallast200).Weight(6), 212);
  EXPECT_EQ(VerdictOf(TVerdictId::OverLimit).Weight(5), std::nullopt);
  EXPECT_EQ(VerdictClassOf(TVerdictId::Tearing), TVerdictClass::Tearing);
  EXPECT_EQ(VerdictClassOf(TVerdictId::DataError), TVerdictClass::DataError);
  EXPECT_EQ(VerdictClassOf(std::nullopt), TVerdictClass::DataError);
  // The table is indexed by its ids.
  for (int i = 0; i <= static_cast<int>(TVerdictId::DataError); ++i)
    EXPECT_EQ(static_cast<int>(VerdictOf(static_cast<TVerdictId>(i)).Id), i);
}

}  // namespace
