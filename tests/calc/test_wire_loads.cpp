#include "calc/wire_loads.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/interpolate.h"
#include "calc/wind_factors.h"
#include "base/errors.h"

using namespace orv::base;
using namespace orv::calc;

namespace {

TEST(WindFactors, PressureAndSpanFactor) {
  EXPECT_EQ(WindPressure(25), 39.0625);
  struct {
    double v, factor;
  } cases[] = {{0, 1},          {20.8, 1},   {20.81, (7.62 - 0.15 * 20.81) / 4.5},
               {25, 0.86},       {25.3, 0.85}, {25.31, (6.185 - 0.1 * 25.31) / 4.3},
               {29.6, 0.75},     {30, 3.88 / 5.2},  {34.8, 0.7},
               {34.81, 0.7},     {35, 0.7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.v);
    EXPECT_NEAR(SpanWindFactor(c.v), c.factor, 1e-12);
  }
  // The pieces join: no step where the wind crosses a joint.
  for (double joint : {20.8, 25.3, 29.6, 34.8}) {
    SCOPED_TRACE(joint);
    EXPECT_NEAR(SpanWindFactor(joint), SpanWindFactor(std::nextafter(joint, 100.0)), 1e-12);
  }
}

TEST(WindFactors, HeightFactorByTerrain) {
  struct {
    int height;
    double a, b, c;
  } rows[] = {{10, 1.00, 0.65, 0.40},  {15, 1.00, 0.65, 0.40},  {17, 1.10, 0.73, 0.46},
              {120, 2.10, 1.72, 1.37}, {300, 2.75, 2.50, 2.20}, {320, 2.75, 2.60, 2.26},
              {350, 2.75, 2.75, 2.35}, {400, 2.75, 2.75, 2.35}};
  TKlimatKoef koef;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.height);
    koef.WireHeight = row.height;
    koef.SupportHeight = 15;
    const double expected[] = {row.a, row.b, row.c};
    for (int terrain = 1; terrain <= 3; ++terrain) {
      koef.TerrainType = terrain;
      EXPECT_NEAR(HeightFactor(koef, THeightSelector::Wires), expected[terrain - 1], 1e-12);
    }
  }
}

TEST(WindFactors, HeightSelectorAndUnknownTerrain) {
  TKlimatKoef koef;
  koef.WireHeight = 15;
  koef.SupportHeight = 120;
  EXPECT_EQ(HeightFactor(koef, THeightSelector::Wires), 1.0);
  EXPECT_NEAR(HeightFactor(koef, THeightSelector::Supports), 2.10, 1e-12);
  for (int terrain : {0, 4, 5, -1}) {
    koef.TerrainType = terrain;
    EXPECT_EQ(HeightFactor(koef, THeightSelector::Supports), 1.0);
  }
}

TEST(WireLoads, ExampleWire) {
  TWireLoads l;
  double gammaMax =
      WireLoads(THeightSelector::Wires, TKlimatKoef(), 12.5, 25, 1.2, 0.86, 43.0, 8.4, 5, 0.148, l);
  struct {
    const char* name;
    double got, expected, tolerance;
  } rows[] = {
      {"P2", l.P2, 0.189438, 5e-7},
      {"P3", l.P3, 0.337438, 5e-7},
      {"P4", l.P4, 0.338625, 5e-7},
      {"P6.25", l.P6_25, 0.063, 5e-7},
      {"P0.3", l.P0_3, 0.0354375, 5e-8},
      {"P5", l.P5, 0.215625, 5e-7},
      {"P6", l.P6, 0.369555, 5e-7},
      {"R6.25", l.R6_25, 0.160851, 5e-7},
      {"R0.3", l.R0_3, 0.152183, 5e-7},
      {"P7", l.P7, 0.400448, 5e-7},
      {"γ1", l.Gamma1, 0.00344186, 5e-9},
      {"γ6", l.Gamma6, 0.00859430, 5e-9},
      {"γ7", l.Gamma7, 0.00931274, 5e-9},
      {"γ2", l.Gamma2, 0.189438 / 43, 2e-8},
      {"γR6.25", l.GammaR6_25, 0.160851 / 43, 2e-8},
  };
  for (const auto& row : rows) EXPECT_NEAR(row.got, row.expected, row.tolerance) << row.name;
  EXPECT_EQ(gammaMax, l.Gamma7);
}

TEST(WireLoads, CoefficientsScaleTheirLoadsOnly) {
  TKlimatKoef koef;
  koef.WindRespCoef = 2;
  koef.WindRegionalCoef = 1.5;
  koef.WindReliabilityCoef = 1.1;  // kw = 3.3
  koef.IceRespCoef = 1.2;
  koef.IceRegionalCoef = 1.5;
  koef.IceReliabilityCoef = 2;
  koef.IceOperatingCoef = 0.5;  // ki = 1.8
  koef.TerrainType = 2;         // K = 0.65 at 15 m
  TWireLoads base, scaled;
  WireLoads(THeightSelector::Wires, TKlimatKoef(), 12.5, 25, 1.2, 0.86, 43, 8.4, 5, 0.148, base);
  WireLoads(THeightSelector::Wires, koef, 12.5, 25, 1.2, 0.86, 43, 8.4, 5, 0.148, scaled);
  EXPECT_NEAR(scaled.P2, base.P2 * 1.8, 1e-12);
  EXPECT_NEAR(scaled.P4, base.P4 * 3.3 * 0.65, 1e-12);
  EXPECT_NEAR(scaled.P5, base.P5 * 3.3 * 0.65, 1e-12);
  EXPECT_NEAR(scaled.P0_3, base.P0_3 * 3.3, 1e-12);  // no height factor
  EXPECT_EQ(scaled.P6_25, base.P6_25);               // fixed pressure: nothing applies
}

TEST(WireLoads, NoIceNoWindLeavesOwnWeight) {
  TWireLoads l;
  double gammaMax = WireLoads(THeightSelector::Wires, TKlimatKoef(), 0, 0, 1.2, 1, 43, 8.4, 0, 0.148, l);
  for (double zero : {l.P2, l.P4, l.P0_3, l.P5}) EXPECT_EQ(zero, 0);
  for (double weight : {l.P3, l.P6, l.R0_3, l.P7}) EXPECT_EQ(weight, 0.148);
  EXPECT_EQ(gammaMax, l.Gamma1);
}

TEST(WireLoads, ZeroAreaRaises) {
  TWireLoads l;
  EXPECT_THROW(WireLoads(THeightSelector::Wires, TKlimatKoef(), 0, 0, 1.2, 1, 0, 8.4, 0, 0.148, l),
               FloatingPointError);
}

TEST(Interpolate, NodesBetweenAndOutside) {
  const double X[] = {50, 100, 150, 250};
  const double Y[] = {1.2, 1.1, 1.05, 1.0};
  struct {
    double x;
    std::optional<double> y;
  } cases[] = {{50, 1.2},    {75, 1.15}, {100, 1.1},           {125, 1.075},
               {200, 1.025}, {250, 1.0}, {49.9, std::nullopt}, {250.1, std::nullopt}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    std::optional<double> y = Interpolate(3, X, Y, c.x);
    ASSERT_EQ(y.has_value(), c.y.has_value());
    if (y) {
      EXPECT_NEAR(*y, *c.y, 1e-12);
    }
  }
  EXPECT_EQ(*Interpolate(3, X, Y, 250), 1.0);  // the last node exactly
}

}  // namespace
