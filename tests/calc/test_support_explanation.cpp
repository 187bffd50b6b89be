#include <gtest/gtest.h>

#include <functional>

#include "calc/angles.h"
#include "calc/calculate_support.h"
#include "calc_fixture.h"

using namespace orv::calc;

namespace {

class SupportExplanationTest : public CalcTest {};

struct ExplainRow {
  const char* name;
  std::function<void(TPillar&, TKlimat&)> change;
  TStopCheck stoppedAt;
  TGoverningCase governing;
  TSwingCase swing;
  bool ballastAngle;
};

const auto kSame = [](TPillar&, TKlimat&) {};

const ExplainRow kRows[] = {
    {"worked example", kSame, TStopCheck::None, CaseMinimumTemperature, TSwingCase::ReducedWind, false},
    {"AlfaAB 20", [](TPillar& p, TKlimat&) { p.AlfaAB = 20; }, TStopCheck::None, CaseMinimumTemperature,
     TSwingCase::MaxWind, false},
    {"turn toward the support",
     [](TPillar& p, TKlimat&) {
       p.TurnAngle = 2;
       p.AlfaBal = 15;
       p.DeflectionDirection = 0;
     },
     TStopCheck::None, CaseMinimumTemperature, TSwingCase::ReducedWind, true},
    {"ice 20 mm: l1 imaginary, average temperature governs",
     [](TPillar& p, TKlimat& k) {
       k.IceThickness = 20;
       p.StressMax = 29;
       p.StressAverage = 8.7;
       p.SpanEquivalent = 150;
     },
     TStopCheck::None, CaseAverageTemperature, TSwingCase::ReducedWind, false},
    {"no string", [](TPillar& p, TKlimat&) { p.InsulatorWeight = 0; }, TStopCheck::None,
     CaseMinimumTemperature, TSwingCase::None, false},
    {"zero stress", [](TPillar& p, TKlimat&) { p.StressMax = 0; }, TStopCheck::CriticalSpans, CaseNone,
     TSwingCase::None, false},
    {"angle 0", [](TPillar& p, TKlimat&) { p.AlfaP = 0; }, TStopCheck::Angle, CaseMinimumTemperature,
     TSwingCase::None, false},
    {"the rule finds no governing case; the check takes state 2",
     [](TPillar& p, TKlimat& k) {
       k.IceThickness = 0;
       k.TempAverage = -60;
       p.StressMax = 6;
       p.StressAverage = 9;
       p.SpanEquivalent = 1;
     },
     TStopCheck::None, CaseMinimumTemperature, TSwingCase::ReducedWind, false},
};

TEST_F(SupportExplanationTest, RecordsTheWayOfEachExample) {
  for (const ExplainRow& row : kRows) {
    SCOPED_TRACE(row.name);
    TPillar p = ExampleSupport();
    TKlimat k = ExampleKlimat();
    row.change(p, k);
    TSupportExplanation x;
    x.StoppedAt = TStopCheck::Angle;  // must be reset by the call
    TSupportResults withRecord = CalculateSupport(p, ExampleWire(), k, TKlimatKoef(), &x);
    TSupportResults plain = CalculateSupport(p, ExampleWire(), k, TKlimatKoef());
    EXPECT_EQ(withRecord.VerdictKey, plain.VerdictKey);
    EXPECT_EQ(withRecord.BalancingLoad, plain.BalancingLoad);
    EXPECT_EQ(withRecord.MinWeightSpan, plain.MinWeightSpan);
    EXPECT_EQ(withRecord.VerticalLoadMinTemp, plain.VerticalLoadMinTemp);
    EXPECT_EQ(x.StoppedAt, row.stoppedAt);
    EXPECT_EQ(x.GoverningCase, row.governing);
    EXPECT_EQ(x.StateStresses.has_value(), row.governing != CaseNone);
    EXPECT_EQ(x.Swing ? x.Swing->Case : TSwingCase::None, row.swing);
    if (x.Swing) {
      EXPECT_EQ(x.Swing->BallastAngleUsed, row.ballastAngle);
      EXPECT_EQ(x.Swing->MinWeightSpan, *plain.MinWeightSpan);
    }
    EXPECT_EQ(x.VerticalLoadMinTemp, plain.VerticalLoadMinTemp);
  }
}

TEST_F(SupportExplanationTest, WorkedExampleIntermediateValues) {
  TPillar p = ExampleSupport();
  p.TurnAngle = 2;
  p.AlfaBal = 15;
  p.DeflectionDirection = 0;
  TSupportExplanation x;
  TSupportResults r = CalculateSupport(p, ExampleWire(), ExampleKlimat(), TKlimatKoef(), &x);
  EXPECT_NEAR(x.P4, 0.338625, 5e-7);
  EXPECT_NEAR(x.P6_25, 0.063, 5e-7);
  ASSERT_TRUE(x.HasCriticalSpans);
  EXPECT_NEAR(*x.CriticalSpans[0], 365.10, 0.005);
  EXPECT_NEAR(*x.CriticalSpans[1], 210.49, 0.005);
  EXPECT_NEAR(*x.CriticalSpans[2], 149.57, 0.005);
  ASSERT_TRUE(x.StateStresses);
  EXPECT_NEAR((*x.StateStresses)[0], 11.13701, 5e-5);
  EXPECT_NEAR((*x.StateStresses)[1], 5.70087, 5e-5);
  EXPECT_NEAR((*x.StateStresses)[2], 11.99996, 5e-5);
  ASSERT_TRUE(x.Swing);
  const TSwingExplanation& s = *x.Swing;
  EXPECT_NEAR(s.NeedMaxWind, 0.33863, 5e-6);
  EXPECT_NEAR(s.NeedReducedWind, 0.35729, 5e-6);
  EXPECT_NEAR(s.DynamicCoefficient, 0.982692, 5e-7);
  EXPECT_NEAR(s.SpanLengthFactor, 1.025, 1e-12);
  EXPECT_NEAR(s.WeightSpan, 200, 1e-9);
  EXPECT_NEAR(s.TurnTerm, 49.381, 5e-4);
  EXPECT_NEAR(s.LoadBeforeBallastRule, 69.316, 5e-4);
  EXPECT_EQ(s.PermissibleAngle, 15);
  EXPECT_NEAR(*x.WeightSpanMinTemp, 200, 1e-9);
  // The string balances at the governing angle under the load before the
  // ballast rule: the swing diagram recomputes its angle from these.
  double vertical = s.VerticalWireLoad + s.VerticalStringLoad + s.LoadBeforeBallastRule;
  EXPECT_NEAR((s.HorizontalWireLoad + s.HorizontalTurnLoad) / vertical, TanDeg(s.GoverningAngle), 1e-12);
  EXPECT_NEAR(*r.BalancingLoad, 26.944, 5e-4);
}

TEST_F(SupportExplanationTest, ImaginarySpanIsEmpty) {
  TPillar p = ExampleSupport();
  TKlimat k = ExampleKlimat();
  k.IceThickness = 20;
  p.StressMax = 29;
  p.StressAverage = 8.7;
  TSupportExplanation x;
  CalculateSupport(p, ExampleWire(), k, TKlimatKoef(), &x);
  EXPECT_FALSE(x.CriticalSpans[0].has_value());
  EXPECT_NEAR(*x.CriticalSpans[1], 103.01, 0.005);
  EXPECT_NEAR(*x.CriticalSpans[2], 167.25, 0.005);
}

}  // namespace
