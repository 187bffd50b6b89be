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
    if (r.VerdictKey) verdict = LocalText(key = *r.VerdictKey);
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

const ExampleRow kExamples[] = {
    {"worked example: reduced wind governs", [](TPillar&) {}, 334.693, 19.935, 29.6, "Mess_04"},
    {"AlfaAB 20: maximum wind governs", [](TPillar& p) { p.AlfaAB = 20; }, 308.383, 16.041, 29.6, "Mess_04"},
    // One turn pull, 2·σ_g·F·sin(θ/2), in the span and the load: Load(φ_g)
    // is 69.316 kg, over four dampers, so a ballast is hung and the load at
    // 15° is 26.944 kg, which the 50 kg ballast carries.
    {"turn 2°, toward the support: a ballast at the ballast angle",
     [](TPillar& p) {
       p.TurnAngle = 2;
       p.AlfaBal = 15;
       p.DeflectionDirection = 0;
     },
     668.348, 26.944, 29.6, "Mess_05"},
    {"turn 2°, from the support: the pull eases the string",
     [](TPillar& p) {
       p.TurnAngle = 2;
       p.AlfaBal = 15;
       p.DeflectionDirection = 1;
     },
     1.039, 0, 29.6, "Mess_01"},
    {"ballast angle: even a load that dampers could carry hangs a ballast",
     [](TPillar& p) {
       p.DamperWeight = 4;  // 19.935 kg is over four dampers of 4 kg
       p.AlfaBal = 11;
     },
     334.693, 13.012, 29.6, "Mess_05"},
    {"ballast angle: a negative load still hangs a ballast",
     [](TPillar& p) {
       p.DamperWeight = 4;
       p.AlfaBal = 60;
     },
     334.693, -47.012, 29.6, "Mess_05"},
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

TEST_F(CalculateSupportTest, UpwardForceAgainstALoadTakesTheLargerMagnitude) {
  // A lower support pulls the wire up (V < 0). By hand: at 50 m the load is
  // 75.6 kg against V = -228.4 (the load alone would give Mess_06); at 90 m
  // -22.5 kg against -22.0 (Mess_05, the load alone Mess_13); a 400 kg string
  // needs no load, and the load of 0 decides.
  struct {
    double groundThis, insulatorWeight;
    const char* key;
  } rows[] = {{50, 50, "Mess_13"}, {90, 50, "Mess_05"}, {90, 400, "Mess_01"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.groundThis);
    TPillar p = ExampleSupport();
    p.GroundThis = row.groundThis;
    p.InsulatorWeight = row.insulatorWeight;
    Run(p);
    EXPECT_LT(vertical, 0);
    EXPECT_EQ(key, row.key) << "load " << balancing << ", V " << vertical;
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
  EXPECT_EQ(r.VerdictKey, "There is no force");
  EXPECT_EQ(LocalText(*r.VerdictKey), "There is no force directed upwards at the lowest temperature.");
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
  // Before the ballast rule, toward and from differ by 2·T(φ_g), T = 49.381.
  TPillar p = ExampleSupport();
  p.TurnAngle = 2;
  p.DamperWeight = 1000;  // keeps the ballast angle out
  p.GroundThis = 80;      // a short weight span: a load both ways
  double loads[2];
  for (short direction : {0, 7}) {  // any non-zero value is "from"
    p.DeflectionDirection = direction;
    Run(p);
    loads[direction != 0] = balancing;
  }
  EXPECT_NEAR(loads[0] - loads[1], 2 * 49.381, 2e-3);
}

TEST_F(CalculateSupportTest, BallastAngleOnlyAboveFourDampers) {
  // The worked example needs 19.935 kg: with dampers of 19.935/4 kg it stays,
  // with a hair lighter ones the 60° ballast angle applies.
  TPillar p = ExampleSupport();
  Run(p);
  double load = balancing;
  p.DamperWeight = load / 4;
  Run(p);
  EXPECT_EQ(balancing, load);
  p.DamperWeight = std::nextafter(load / 4, 0.0);
  Run(p);
  EXPECT_LT(balancing, load - 5);
}

TEST(ComputeBalance, WeightSpanEqualToTheSmallestNeedsNoLoad) {
  // Exact numbers: the smallest weight span is 100·1/(1·0.5·1) − 50/(2·0.5)
  // = 150 m, the weight span 100 + (1/0.5)·S.
  TPillar p;
  p.SpanLeft = p.SpanRight = 100;
  p.InsulatorWeight = 50;
  p.DamperWeight = 1000;
  TWireRecord w;
  w.WireArea = 1;
  w.WireWeight = 0.5;
  TWireStates s;
  s.Gamma1 = 0.5;
  TDeflectionCase g{45, 1, 1, 1};
  struct {
    double S;
    bool loaded;
  } rows[] = {{25, false}, {25.001, false}, {24.999, true}};
  for (const auto& row : rows) {
    TBalance b = ComputeBalance(p, w, s, g, row.S, 100, 1, 1);
    EXPECT_EQ(b.MinWeightSpan, 150);
    EXPECT_EQ(b.BalancingLoad != 0, row.loaded) << row.S;
  }
}

TEST(GoverningDeflection, EqualNeedsChooseReducedWind) {
  TPillar p;
  TWireStates s;
  s.Sigma1 = 1;
  s.Sigma2 = 2;
  s.Loads.P4 = s.Loads.P6_25 = 0.063;
  p.AlfaP = p.AlfaAB = 30;
  TDeflectionCase tie = GoverningDeflection(p, s);
  EXPECT_EQ(tie.stress, 2);
  EXPECT_EQ(tie.windLoad, 0.063);
  s.Loads.P4 = std::nextafter(0.063, 1.0);
  TDeflectionCase wind = GoverningDeflection(p, s);
  EXPECT_EQ(wind.stress, 1);
  EXPECT_EQ(wind.windLoad, s.Loads.P4);
  // Worked example: 0.33863 / tan 45° is not above 0.063 / tan 10° = 0.35729.
  s.Loads.P4 = 0.338625;
  p.AlfaP = 45;
  p.AlfaAB = 10;
  EXPECT_EQ(GoverningDeflection(p, s).angle, 10);
  p.AlfaAB = 20;
  EXPECT_EQ(GoverningDeflection(p, s).angle, 45);
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
    {"zero ballast angle when used",
     [](TPillar& p, TWireRecord&) {
       p.AlfaBal = 0;
       p.DamperWeight = 1;
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
