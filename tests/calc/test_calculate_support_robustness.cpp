#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/calculate_support.h"
#include "calc_fixture.h"
#include "base/errors.h"

using namespace orv::base;
using namespace orv::calc;

namespace {

class CalculateSupportRobustnessTest : public CalcTest {};

// Values a user or a damaged file may supply: zeros, negatives, tiny and
// huge magnitudes next to ordinary ones.
double Wild(std::mt19937& rng, double ordinary) {
  switch (rng() % 10) {
    case 0:
      return 0;
    case 1:
      return -ordinary;
    case 2:
      return ordinary * 1e-200;
    case 3:
      return ordinary * 1e200;
    default:
      return ordinary * std::uniform_real_distribution<>(0.2, 3)(rng);
  }
}

TEST_F(CalculateSupportRobustnessTest, WildDataEndsInAnErrorOrFiniteResults) {
  std::mt19937 rng(2026);
  int finished = 0;
  for (int i = 0; i < 20000; ++i) {
    TWireRecord w = ExampleWire();
    for (double* v : {&w.WireDiameter, &w.WireArea, &w.WireWeight, &w.WireModulus, &w.WireExpansion})
      *v = Wild(rng, *v);
    TKlimat k = ExampleKlimat();
    for (double* v : {&k.IceThickness, &k.WindVelocityMax, &k.WindVelocityIce, &k.TempMin, &k.TempIceNoWind})
      *v = Wild(rng, *v == 0 ? 1 : *v);
    TPillar p = ExampleSupport();
    for (double* v : {&p.SpanLeft, &p.SpanRight, &p.SpanEquivalent, &p.StressMax, &p.StressAverage, &p.AlfaP,
                      &p.AlfaAB, &p.AlfaBal, &p.GroundThis, &p.InsulatorWeight, &p.TurnAngle})
      *v = Wild(rng, *v == 0 ? 1 : *v);
    p.WiresInPhase = static_cast<int32_t>(rng() % 4);
    try {
      TSupportResults r = CalculateSupport(p, w, k, TKlimatKoef());
      for (const std::optional<double>& value : {r.VerticalLoadMinTemp, r.BalancingLoad, r.MinWeightSpan})
        ASSERT_TRUE(!value || std::isfinite(*value)) << "support " << i;
      ++finished;
    } catch (const FloatingPointError&) {
    }
  }
  EXPECT_GT(finished, 1000);  // the data are wild, not hopeless
}

}  // namespace
