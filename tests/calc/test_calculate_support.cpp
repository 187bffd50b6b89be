#include "calc/calculate_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "calc/balancing_load.h"
#include "calc/support_explanation.h"
#include "calc_fixture.h"
#include "base/errors.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;

namespace {

constexpr double kUntouched = -12345.5;

class CalculateSupportTest : public CalcTest {
 protected:
  // Sentinel results the calculation may overwrite; its boxes shown as the
  // desktop shows them, in the language in force.
  void Run(const TPillar& p, const TKlimat& k = ExampleKlimat(), const TWireRecord& w = ExampleWire()) {
    verdict = "untouched";
    key = "untouched";
    vertical = balancing = minSpan = kUntouched;
    std::vector<TLocalMessage> kept;
    const TSupportResults r = CalculateSupport(p, w, k, TKlimatKoef(), nullptr, &kept);
    Present(kept);
    if (r.Verdict) verdict = LocalText(key = VerdictOf(*r.Verdict).Key);
    vertical = r.VerticalLoadMinTemp.value_or(vertical);
    balancing = r.BalancingLoad.value_or(balancing);
    minSpan = r.MinWeightSpan.value_or(minSpan);
  }
  std::string verdict, key;
  double vertical = 0, balancing = 0, minSpan = 0;
};

struct ExampleRow {
  const char* name;
  std::function<void(TPillar&)> change;
  double minWeightSpan, balancingLoad, vertical;
  const char* key;
};

// Both swing cases are checked: maximum wind (45°, σ1) and reduced wind (10°,
// σ2); the one with the larger load at its own angle governs the smallest
// weight span. Values of an independent calculation.
const ExampleRow kExamples[] = {
    {"worked example: reduced wind governs, maximum wind needs 16.041", [](TPillar&) {}, 334.693, 19.935,
     29.6, "Mess_04"},
    {"AlfaAB 20: maximum wind governs", [](TPillar& p) { p.AlfaAB = 20; }, 308.383, 16.041, 29.6, "Mess_04"},
    // Reduced wind needs 69.316 kg at 10°, over four dampers: a ballast is
    // hung, reduced wind is taken at its ballast angle (26.944 kg at 15°),
    // but maximum wind still needs 33.051 kg at its own 45°.
    {"turn 2°, toward the support: maximum wind decides the ballast",
     [](TPillar& p) {
       p.TurnAngle = 2;
       p.AlfaBal = 15;
       p.DeflectionDirection = 0;
     },
     668.348, 33.051, 29.6, "Mess_05"},
    {"turn 2°, from the support: the pull eases both strings",
     [](TPillar& p) {
       p.TurnAngle = 2;
       p.AlfaBal = 15;
       p.DeflectionDirection = 1;
     },
     193.451, 0, 29.6, "Mess_01"},
    {"AlfaAB 12°, turn 6° toward, AlfaBal 14°: reduced wind at 14°, maximum wind needs 67.050",
     [](TPillar& p) {
       p.AlfaAB = 12;
       p.TurnAngle = 6;
       p.AlfaBal = 14;
       p.DeflectionDirection = 0;
     },
     1078.870, 102.837, 29.6, "Mess_06"},
    {"ballast angle of reduced wind: maximum wind's need of 16.041 decides",
     [](TPillar& p) {
       p.DamperWeight = 4;  // 19.935 kg is over four dampers of 4 kg
       p.AlfaBal = 11;
     },
     334.693, 16.041, 29.6, "Mess_05"},
    {"ballast angle of maximum wind: reduced wind's need still hangs a ballast",
     [](TPillar& p) {
       p.DamperWeight = 4;
       p.AlfaBal = 60;
     },
     334.693, 19.935, 29.6, "Mess_05"},
    {"no string and a raised neighbour level: only the tearing check",
     [](TPillar& p) {
       p.InsulatorWeight = 0;
       p.GroundThis = 90;
     },
     kUntouched, kUntouched, -22.000, "Evaluate_the_tearing_load"},
    {"no string, level: no upward force", [](TPillar& p) { p.InsulatorWeight = 0; }, kUntouched, kUntouched,
     29.6, "There is no force"},
    {"forces 516 and 344 daN on 43 mm² equal stresses 12 and 8",
     [](TPillar& p) {
       p.StressMax = p.StressAverage = 0;
       p.TensionMode = 1;
       p.TensionMax = 516;
       p.TensionAverage = 344;
     },
     334.693, 19.935, 29.6, "Mess_04"},
    {"heavy string: the weight span exceeds the smallest one", [](TPillar& p) { p.InsulatorWeight = 400; },
     334.693 - 350. / 0.296, 0, 29.6, "Mess_01"},
};

TEST_F(CalculateSupportTest, WorkedExamples) {
  for (const ExampleRow& row : kExamples) {
    SCOPED_TRACE(row.name);
    TPillar p = ExampleSupport();
    row.change(p);
    Run(p);
    EXPECT_NEAR(minSpan, row.minWeightSpan, 5e-4);
    EXPECT_NEAR(balancing, row.balancingLoad, 5e-4);
    EXPECT_NEAR(vertical, row.vertical, 5e-4);
    EXPECT_EQ(key, row.key);
    EXPECT_TRUE(messages.shown.empty());
  }
}

TEST_F(CalculateSupportTest, EachCaseKeepsItsOwnNeedAndTheBallastAngleItsCase) {
  TPillar p = ExampleSupport();
  p.AlfaAB = 12;
  p.TurnAngle = 6;
  p.AlfaBal = 14;
  p.DeflectionDirection = 0;
  TSupportExplanation x;
  CalculateSupport(p, ExampleWire(), ExampleKlimat(), TKlimatKoef(), &x);
  ASSERT_TRUE(x.Swing);
  const TSwingExplanation& w = *x.Swing;
  EXPECT_EQ(w.Case, TSwingCase::ReducedWind);
  EXPECT_EQ(w.BallastCase, TSwingCase::ReducedWind);
  EXPECT_TRUE(w.BallastHung);
  EXPECT_NEAR(w.Of(TSwingCase::MaxWind).Need, 67.050, 5e-4);
  EXPECT_FALSE(w.Of(TSwingCase::MaxWind).LoadAtBallastAngle);
  EXPECT_NEAR(*w.Of(TSwingCase::ReducedWind).LoadAtBallastAngle, 102.837, 5e-4);
  EXPECT_EQ(w.LimitAngle(TSwingCase::ReducedWind), 14);
  EXPECT_EQ(w.LimitAngle(TSwingCase::MaxWind), 45);
}

TEST(BallastAngleCase, LargestOwnAngleStrictlyBelowIt) {
  struct {
    double alfaP, alfaAB, alfaBal;
    TSwingCase owner;
  } rows[] = {{45, 10, 60, TSwingCase::MaxWind},     {45, 10, 15, TSwingCase::ReducedWind},
              {45, 10, 45, TSwingCase::ReducedWind}, {45, 10, 10, TSwingCase::None},
              {20, 20, 30, TSwingCase::ReducedWind}, {10, 45, 30, TSwingCase::MaxWind},
              {45, 10, 0, TSwingCase::None}};
  for (const auto& row : rows) {
    TPillar p;
    p.AlfaP = row.alfaP;
    p.AlfaAB = row.alfaAB;
    p.AlfaBal = row.alfaBal;
    EXPECT_EQ(BallastAngleCase(p), row.owner) << row.alfaP << " " << row.alfaAB << " " << row.alfaBal;
  }
}

TEST_F(CalculateSupportTest, VerdictTextsInBothLanguages) {
  TPillar p = ExampleSupport();
  Run(p);
  EXPECT_EQ(verdict, "Four vibration dampers were used as a balancing load.");
  UseRussian();
  Run(p);
  EXPECT_EQ(verdict, "В качестве компенсирующего груза использовать четыре гасителя вибрации.");
  p.InsulatorWeight = 0;
  p.GroundThis = 90;
  SetLanguageForSession(0);
  Run(p);
  EXPECT_EQ(verdict,
            "Evaluate the tearing load at the lowest temperature and\r\n"
            "change the attachment fitting for a strain one.");
}

TEST_F(CalculateSupportTest, UpwardForceIsNeverPassedOver) {
  // A lower support pulls the wire up (V < 0). By hand: at 50 m the load is
  // 75.6 kg against V = -228.4 (the load alone would give Mess_06); at 90 m
  // -22.5 kg against -22.0; a 400 kg string or a turn from the support needs
  // no load, and the upward force of 22 kg still asks for a ballast.
  struct {
    double groundThis, insulatorWeight, turn;
    const char* key;
  } rows[] = {{50, 50, 0, "Mess_13"}, {90, 50, 0, "Mess_05"}, {90, 400, 0, "Mess_05"}, {90, 50, 10, "Mess_05"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.groundThis << " " << row.insulatorWeight << " " << row.turn);
    TPillar p = ExampleSupport();
    p.GroundThis = row.groundThis;
    p.InsulatorWeight = row.insulatorWeight;
    p.TurnAngle = row.turn;
    p.DeflectionDirection = 1;
    TSupportExplanation x;
    const TSupportResults r = CalculateSupport(p, ExampleWire(), ExampleKlimat(), TKlimatKoef(), &x);
    EXPECT_LT(*r.VerticalLoadMinTemp, 0);
    EXPECT_STREQ(VerdictOf(*r.Verdict).Key, row.key) << "load " << *r.BalancingLoad;
    ASSERT_FALSE(x.Warnings.empty());
    EXPECT_EQ(x.Warnings.back().Key, "Warn_uplift");
    EXPECT_EQ(x.Warnings.back().Force, -*r.VerticalLoadMinTemp);
  }
}

TEST_F(CalculateSupportTest, ResultsAreAllOrNothingThroughTheResultForm) {
  TPillar p = ExampleSupport();
  p.InsulatorWeight = 0;
  TSupportResults r = CalculateSupport(p, ExampleWire(), ExampleKlimat(), TKlimatKoef());
  EXPECT_FALSE(r.BalancingLoad.has_value());
  EXPECT_FALSE(r.MinWeightSpan.has_value());
  ASSERT_TRUE(r.VerticalLoadMinTemp.has_value());
  EXPECT_NEAR(*r.VerticalLoadMinTemp, 29.6, 1e-9);
  EXPECT_EQ(r.Verdict, TVerdictId::NoUpwardForce);
  EXPECT_EQ(LocalText(VerdictOf(*r.Verdict).Key), "There is no force directed upwards at the lowest temperature.");
}

struct BoxRow {
  const char* name;
  std::function<void(TPillar&, TKlimat&)> change;
  MessageKind kind;
  MessageButtons buttons;
  const char* text;
  const char* key;  // nullptr: no verdict written
};

const BoxRow kBoxes[] = {
    {"both angles 0", [](TPillar& p, TKlimat&) { p.AlfaP = p.AlfaAB = 0; }, MessageKind::Error,
     MessageButtons::Yes, "Angle Alfa(р) = 0\r\nAngle Alfa(а,в) = 0\r\nCalculation is impossible!",
     "Data_error"},
    {"AlfaAB 0", [](TPillar& p, TKlimat&) { p.AlfaAB = 0; }, MessageKind::Error, MessageButtons::Yes,
     "Angle Alfa(а,в) = 0\r\nCalculation is impossible!", "Data_error"},
    {"AlfaP 0", [](TPillar& p, TKlimat&) { p.AlfaP = 0; }, MessageKind::Error, MessageButtons::Yes,
     "Angle Alfa(р) = 0\r\nCalculation is impossible!", "Data_error"},
    {"critical spans refuse a zero stress", [](TPillar& p, TKlimat&) { p.StressMax = 0; },
     MessageKind::Warning, MessageButtons::Ok,
     "Maximum permissible tension equals 0,\r\ncalculation is impossible!", nullptr},
    {"critical spans refuse ice colder than the minimum", [](TPillar&, TKlimat& k) { k.TempIceNoWind = -56; },
     MessageKind::Warning, MessageButtons::Ok,
     "Minimum temperature is higher than the air temperature at ice,\r\ncalculation is impossible!", nullptr},
};

struct GoverningRow {
  const char* name;
  std::function<void(TPillar&, TKlimat&)> change;
  TGoverningCase rule, checked;
};

const GoverningRow kGoverning[] = {
    {"worked example: the rule's state 2 passes", [](TPillar&, TKlimat&) {}, CaseMinimumTemperature,
     CaseMinimumTemperature},
    {"σavg 3 on a 250 m span: from state 3 the wire would exceed σavg at the average temperature",
     [](TPillar& p, TKlimat&) {
       p.StressAverage = 3;
       p.SpanEquivalent = 250;
     },
     CaseMaximumLoad, CaseAverageTemperature},
    {"l1 imaginary, l2 above l3, short span: the rule finds none",
     [](TPillar& p, TKlimat& k) {
       // An average temperature below the minimum and the average stress
       // above the maximum give l1 = marker, l2 = 115.6, l3 = 93.4 m.
       k.IceThickness = 0;
       k.TempAverage = -60;
       p.StressMax = 6;
       p.StressAverage = 9;
       p.SpanEquivalent = 1;
     },
     CaseNone, CaseMinimumTemperature},
};

TEST_F(CalculateSupportTest, GoverningStateOverstressesNoLimitState) {
  for (const GoverningRow& row : kGoverning) {
    SCOPED_TRACE(row.name);
    TPillar p = ExampleSupport();
    TKlimat k = ExampleKlimat();
    row.change(p, k);
    TSupportExplanation x;
    TSupportResults r = CalculateSupport(p, ExampleWire(), k, TKlimatKoef(), &x);
    EXPECT_EQ(x.GoverningRule, row.rule);
    EXPECT_EQ(x.GoverningCase, row.checked);
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_TRUE(r.BalancingLoad && x.StateStresses);
    // S3 is the lowest-temperature limit state itself.
    EXPECT_LE((*x.StateStresses)[2], p.StressMax + 1e-4);
  }
}

TEST_F(CalculateSupportTest, BoxesEndTheCalculationWithoutNumbers) {
  for (const BoxRow& row : kBoxes) {
    SCOPED_TRACE(row.name);
    messages.shown.clear();
    TPillar p = ExampleSupport();
    TKlimat k = ExampleKlimat();
    row.change(p, k);
    Run(p, k);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, row.kind);
    EXPECT_EQ(messages.shown[0].buttons, row.buttons);
    EXPECT_EQ(messages.shown[0].text, row.text);
    EXPECT_EQ(key, row.key ? row.key : "untouched");
    EXPECT_EQ(verdict, row.key ? "Data error" : "untouched");
    EXPECT_EQ(vertical, kUntouched);
    EXPECT_EQ(balancing, kUntouched);
    EXPECT_EQ(minSpan, kUntouched);
  }
}

TEST_F(CalculateSupportTest, NoAngleCheckWithoutString) {
  TPillar p = ExampleSupport();
  p.InsulatorWeight = 0;
  p.AlfaP = p.AlfaAB = 0;
  Run(p);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(key, "There is no force");
  EXPECT_NEAR(vertical, 29.6, 1e-9);
}

TEST_F(CalculateSupportTest, TurnPullSignedByTheDeflectionSide) {
  // Reduced wind's load at 10°, toward and from, differs by 2·T, T = 49.381.
  TPillar p = ExampleSupport();
  p.TurnAngle = 2;
  double loads[2];
  for (short direction : {0, 7}) {  // any non-zero value is "from"
    p.DeflectionDirection = direction;
    TSupportExplanation x;
    CalculateSupport(p, ExampleWire(), ExampleKlimat(), TKlimatKoef(), &x);
    loads[direction != 0] = x.Swing->Of(TSwingCase::ReducedWind).Load;
  }
  EXPECT_NEAR(loads[0] - loads[1], 2 * 49.381, 2e-3);
}

TEST_F(CalculateSupportTest, BallastAngleOnlyAboveFourDampers) {
  // The worked example needs 19.935 kg: with dampers of 19.935/4 kg it stays,
  // with a hair lighter ones a ballast is hung, reduced wind may swing to
  // 11° and maximum wind's 16.041 kg decides.
  TPillar p = ExampleSupport();
  p.AlfaBal = 11;
  Run(p);
  double load = balancing;
  p.DamperWeight = load / 4;
  Run(p);
  EXPECT_EQ(balancing, load);
  p.DamperWeight = std::nextafter(load / 4, 0.0);
  Run(p);
  EXPECT_NEAR(balancing, 16.041, 5e-4);
}

TEST(ComputeBalance, WeightSpanEqualToTheSmallestNeedsNoLoad) {
  // Exact numbers, both cases alike: the smallest weight span is
  // 100·1/(1·0.5·1) − 50/(2·0.5) = 150 m, the weight span 100 + (1/0.5)·S.
  TPillar p;
  p.SpanLeft = p.SpanRight = 100;
  p.InsulatorWeight = 50;
  p.DamperWeight = 1000;
  p.AlfaP = p.AlfaAB = 45;
  TWireRecord w;
  w.WireArea = 1;
  w.WireWeight = 0.5;
  TWireStates s;
  s.Gamma1 = 0.5;
  s.Sigma1 = s.Sigma2 = 1;
  s.Loads.P4 = s.Loads.P6_25 = 1;
  struct {
    double S;
    bool loaded;
  } rows[] = {{25, false}, {25.001, false}, {24.999, true}};
  for (const auto& row : rows) {
    TBalance b = ComputeBalance(p, w, s, row.S, 100, 1, 1);
    EXPECT_NEAR(b.MinWeightSpan, 150, 1e-12);
    EXPECT_EQ(b.BalancingLoad != 0, row.loaded) << row.S;
    // Equal loads: reduced wind governs, as the tie rule says.
    EXPECT_EQ(b.Governing, TSwingCase::ReducedWind);
  }
}

struct DivisorRow {
  const char* name;
  std::function<void(TPillar&, TWireRecord&)> change;
  const char* message;
};

const DivisorRow kDivisors[] = {
    {"zero left span",
     [](TPillar& p, TWireRecord&) {
       p.SpanLeft = 0;
       p.GroundThis = 101;
     },
     kDivisionByZero},
    {"zero right span, level: 0/0", [](TPillar& p, TWireRecord&) { p.SpanRight = 0; }, kInvalidOperation},
    {"zero area", [](TPillar&, TWireRecord& w) { w.WireArea = 0; }, kDivisionByZero},
    {"zero weight and area", [](TPillar&, TWireRecord& w) { w.WireArea = w.WireWeight = 0; },
     kInvalidOperation},
    {"zero modulus", [](TPillar&, TWireRecord& w) { w.WireModulus = 0; }, kDivisionByZero},
    {"zero weight", [](TPillar&, TWireRecord& w) { w.WireWeight = 0; }, kDivisionByZero},
    {"zero equivalent span, stresses too low for the heat: logarithm of 0",
     [](TPillar& p, TWireRecord&) {
       p.SpanEquivalent = 0;
       p.StressMax = 1;
       p.StressAverage = 0.5;
     },
     kDivisionByZero},
    {"NaN input", [](TPillar& p, TWireRecord&) { p.HeightThis = NAN; }, kInvalidOperation},
    {"infinite input", [](TPillar& p, TWireRecord&) { p.SpanLeft = INFINITY; }, "Floating point overflow"},
    {"overflowing weight span",
     [](TPillar& p, TWireRecord&) {
       p.SpanLeft = 1e-308;
       p.GroundThis = 101;
     },
     "Floating point overflow"},
};

TEST_F(CalculateSupportTest, ZeroDivisorsAndNonFiniteValuesRaiseAndWriteNothing) {
  for (const DivisorRow& row : kDivisors) {
    SCOPED_TRACE(row.name);
    TPillar p = ExampleSupport();
    TWireRecord w = ExampleWire();
    row.change(p, w);
    try {
      Run(p, ExampleKlimat(), w);
      ADD_FAILURE() << "no error; V = " << vertical << ", load " << balancing;
    } catch (const FloatingPointError& e) {
      EXPECT_STREQ(e.what(), row.message);
    }
    EXPECT_EQ(vertical, kUntouched);
    EXPECT_EQ(balancing, kUntouched);
    EXPECT_EQ(verdict, "untouched");
  }
}

}  // namespace
