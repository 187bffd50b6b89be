#include "calc/wire_states.h"

#include <gtest/gtest.h>

#include "calc/support_coefficients.h"
#include "calc_fixture.h"

using namespace orv::calc;

namespace {

class WireStatesTest : public CalcTest {};

TEST_F(WireStatesTest, WorkedExampleIntermediateValues) {
  TWireStates s;
  ASSERT_TRUE(ComputeWireStates(ExampleSupport(), ExampleWire(), ExampleKlimat(), TKlimatKoef(), s));
  struct {
    const char* name;
    double got, expected, tolerance;
  } rows[] = {
      {"P4", s.Loads.P4, 0.338625, 5e-7}, {"P6.25", s.Loads.P6_25, 0.063, 5e-7},
      {"l1", s.l1, 365.10, 5e-3},         {"l2", s.l2, 210.49, 5e-3},
      {"l3", s.l3, 149.57, 5e-3},         {"σ1", s.Sigma1, 11.13701, 5e-6},
      {"σ2", s.Sigma2, 5.70087, 5e-6},    {"σ3", s.Sigma3, 11.99996, 5e-6},
      {"σmax", s.StressMax, 12, 0},       {"σavg", s.StressAverage, 8, 0},
  };
  for (const auto& row : rows) EXPECT_NEAR(row.got, row.expected, row.tolerance) << row.name;
  EXPECT_EQ(s.Case, CaseMinimumTemperature);
}

TEST_F(WireStatesTest, TensionsTurnIntoStressesByTheArea) {
  TPillar p = ExampleSupport();
  p.TensionMode = 1;
  p.TensionMax = 1500;
  p.TensionAverage = 800;
  p.StressMax = p.StressAverage = 1;  // not used in this mode
  TWireRecord w = ExampleWire();
  w.WireArea = 100;
  TWireStates s;
  ASSERT_TRUE(ComputeWireStates(p, w, ExampleKlimat(), TKlimatKoef(), s));
  EXPECT_EQ(s.StressMax, 15);
  EXPECT_EQ(s.StressAverage, 8);
}

TEST_F(WireStatesTest, ThickWireUnderHeavyIceAndStrongWindTakesTheLowerDrag) {
  // Cx = 1.1 needs all four: 0.5·Vmax ≥ Vice, Vice > 15, b ≥ 15, d > 20.
  TKlimat k = ExampleKlimat();
  k.WindVelocityMax = 36;
  k.WindVelocityIce = 16;
  k.IceThickness = 15;
  TWireRecord w = ExampleWire();
  w.WireDiameter = 21;
  struct {
    const char* name;
    double vmax, vice, ice, d, drag;
  } rows[] = {
      {"all four", 36, 16, 15, 21, 1.1},
      {"Vice at 15", 36, 15, 15, 21, 1.2},
      {"half Vmax below Vice", 31, 16, 15, 21, 1.2},
      {"thin ice", 36, 16, 14.9, 21, 1.2},
      {"d at 20", 36, 16, 15, 20, 1.2},
  };
  for (const auto& row : rows) {
    k.WindVelocityMax = row.vmax;
    k.WindVelocityIce = row.vice;
    k.IceThickness = row.ice;
    w.WireDiameter = row.d;
    TWireStates s;
    ASSERT_TRUE(ComputeWireStates(ExampleSupport(), w, k, TKlimatKoef(), s));
    EXPECT_DOUBLE_EQ(s.Loads.P6_25, 6.25 * row.drag * row.d / 1000) << row.name;
  }
}

TEST(SupportCoefficients, DynamicAndSpanLength) {
  struct {
    double x, expected;
  } dynamic[] = {{-5, 1.3},  {0, 1.3},   {13, 1.135}, {25, 0.982692},
                 {26, 0.97}, {27, 0.95}, {40, 0.8},   {45, 0.8}},
    span[] = {{20, 1.2}, {50, 1.2}, {75, 1.15}, {125, 1.075}, {200, 1.025}, {250, 1.0}, {300, 1.0}};
  for (const auto& row : dynamic) EXPECT_NEAR(DynamicCoefficient(row.x), row.expected, 5e-7) << row.x;
  for (const auto& row : span) EXPECT_NEAR(SpanLengthFactor(row.x), row.expected, 1e-12) << row.x;
}

}  // namespace
