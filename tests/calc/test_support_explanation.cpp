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
    EXPECT_EQ(withRecord.Verdict, plain.Verdict);
    EXPECT_EQ(withRecord.BalancingLoad, plain.BalancingLoad);
    EXPECT_EQ(withRecord.MinWeightSpan, plain.MinWeightSpan);
    EXPECT_EQ(withRecord.VerticalLoadMinTemp, plain.VerticalLoadMinTemp);
    EXPECT_EQ(x.StoppedAt, row.stoppedAt);
    EXPECT_EQ(x.GoverningCase, row.governing);
    EXPECT_EQ(x.StateStresses.has_value(), row.governing != CaseNone);
    EXPECT_EQ(x.Swing ? x.Swing->Case : TSwingCase::None, row.swing);
    if (x.Swing) {
      EXPECT_EQ(x.Swing->BallastHung, row.ballastAngle);
      EXPECT_EQ(x.Swing->Governing().MinWeightSpan, *plain.MinWeightSpan);
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
  const TSwingCaseExplanation& g = s.Governing();
  EXPECT_EQ(s.Case, TSwingCase::ReducedWind);
  EXPECT_EQ(s.BallastCase, TSwingCase::ReducedWind);
  EXPECT_NEAR(s.DynamicCoefficient, 0.982692, 5e-7);
  EXPECT_NEAR(s.SpanLengthFactor, 1.025, 1e-12);
  EXPECT_NEAR(g.WeightSpan, 200, 1e-9);
  EXPECT_NEAR(g.TurnTerm, 49.381, 5e-4);
  EXPECT_NEAR(g.Load, 69.316, 5e-4);
  EXPECT_NEAR(*g.LoadAtBallastAngle, 26.944, 5e-4);
  EXPECT_NEAR(s.Of(TSwingCase::MaxWind).Load, 33.051, 5e-4);
  EXPECT_EQ(s.LimitAngle(TSwingCase::ReducedWind), 15);
  EXPECT_NEAR(*x.WeightSpanMinTemp, 200, 1e-9);
  // Each case's string balances at its own angle under its own load: the
  // swing diagram recomputes its angles from these.
  for (const TSwingCaseExplanation& c : s.Cases) {
    double vertical = c.VerticalWireLoad + s.VerticalStringLoad + c.Load;
    EXPECT_NEAR((c.HorizontalWireLoad + c.HorizontalTurnLoad) / vertical, TanDeg(c.Angle), 1e-12);
  }
  // The factors of the loads, for a hand calculation.
  EXPECT_EQ(x.Cx, 1.2);
  EXPECT_NEAR(x.AlfaMax, 0.86, 1e-12);
  EXPECT_EQ(x.HeightFactor, 1);
  EXPECT_NEAR(x.P2, 0.9 * 3.14159265358979 * 5 * 13.4 / 1000, 1e-9);
  EXPECT_NEAR(x.P5, 1.2 * 12.5 * 12.5 * 18.4 / 16000, 1e-12);
  EXPECT_NEAR(*r.BalancingLoad, 33.051, 5e-4);
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
