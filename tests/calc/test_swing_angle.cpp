#include <gtest/gtest.h>

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
    {"ballast at the ballast angle",
     [](TPillar& p) {
       p.GroundThis = 95;
       p.AlfaBal = 8;
     },
     "Mess_05", TVerdictClass::Ballast, true},
    {"over 200 kg",
     [](TPillar& p) {
       p.GroundThis = 95;
       p.AlfaBal = 2;
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

TEST_F(SwingAngleTest, CurvesMeetThePermissibleAngleWhereTheCalculationSays) {
  for (const SwingRow& row : kRows) {
    SCOPED_TRACE(row.name);
    TPillar support = ExampleSupport();
    row.change(support);
    TSupportExplanation record;
    TSupportResults r = CalculateSupport(support, ExampleWire(), ExampleKlimat(), TKlimatKoef(), &record);
    ASSERT_TRUE(record.Swing && r.BalancingLoad && r.MinWeightSpan);
    EXPECT_EQ(r.VerdictKey, row.verdictKey);
    EXPECT_EQ(VerdictClassOf(r.VerdictKey), row.verdictClass);
    EXPECT_EQ(record.Swing->BallastAngleUsed, row.ballastAngle);
    TSwingBalance b = SwingBalanceOf(support, ExampleWire(), *record.Swing);

    auto atWeight = [&](double g) { return SwingAngleAtWeight(b, g); };
    double weight = Crossing(atWeight, record.Swing->PermissibleAngle, -1000, 1000);
    if (*r.BalancingLoad == 0) {
      EXPECT_LE(weight, 0.1) << "the string is within its angle with no weight";
    } else {
      EXPECT_NEAR(weight, *r.BalancingLoad, 0.1);
      EXPECT_NEAR(WeightForSwingAngle(b, record.Swing->PermissibleAngle), *r.BalancingLoad, 1e-9);
    }
    auto atSpan = [&](double span) { return SwingAngleAtWeightSpan(b, span); };
    EXPECT_NEAR(Crossing(atSpan, record.Swing->GoverningAngle, 0, 5000), *r.MinWeightSpan, 0.1);
    // The support as it stands is one angle in both panels.
    EXPECT_NEAR(atSpan(record.Swing->WeightSpan), atWeight(0), 1e-9);
  }
}

TEST(RecommendedWeight, IsTheHardwareTheVerdictNames) {
  EXPECT_EQ(RecommendedWeight("Mess_01", 5), 0);
  EXPECT_EQ(RecommendedWeight("Mess_04", 5), 20);
  EXPECT_EQ(RecommendedWeight("Mess_07", 5), 110);
  EXPECT_EQ(RecommendedWeight("Mess_12", 6), 212);
  EXPECT_EQ(RecommendedWeight("Mess_13", 5), std::nullopt);
  EXPECT_EQ(VerdictClassOf("Evaluate_the_tearing_load"), TVerdictClass::Tearing);
  EXPECT_EQ(VerdictClassOf("Data_error"), TVerdictClass::DataError);
  EXPECT_EQ(VerdictClassOf(std::nullopt), TVerdictClass::DataError);
}

}  // namespace
