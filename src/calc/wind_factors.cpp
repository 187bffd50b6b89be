#include "calc/wind_factors.h"

#include "calc/interpolate.h"

namespace orv::calc {

namespace {

constexpr int kHeightIntervals = 10;
constexpr double kHeights[kHeightIntervals + 1] = {15, 20, 40, 60, 80, 100, 150, 200, 250, 300, 350};
constexpr double kHeightFactors[3][kHeightIntervals + 1] = {
    {1.00, 1.25, 1.50, 1.70, 1.85, 2.00, 2.25, 2.45, 2.65, 2.75, 2.75},
    {0.65, 0.85, 1.10, 1.30, 1.45, 1.60, 1.90, 2.10, 2.30, 2.50, 2.75},
    {0.40, 0.55, 0.80, 1.00, 1.15, 1.25, 1.55, 1.80, 2.00, 2.20, 2.35},
};

}  // namespace

double WindPressure(double v) { return v * v / 16; }

double SpanWindFactor(double v) {
  // Straight lines through (20.8, 1), (25.3, 0.85), (29.6, 0.75) and
  // (34.8, 0.7). The constants 6.185 and 5.38 make the pieces join, so a
  // stronger wind never gives a smaller factor at a joint.
  if (v <= 20.8) return 1;
  if (v <= 25.3) return (7.62 - 0.15 * v) / 4.5;
  if (v <= 29.6) return (6.185 - 0.1 * v) / 4.3;
  if (v <= 34.8) return (5.38 - 0.05 * v) / 5.2;
  return 0.7;
}

double HeightFactor(const TKlimatKoef& coefficients, THeightSelector selector) {
  int terrain = coefficients.TerrainType;
  if (terrain < 1 || terrain > 3) return 1;
  const double* factors = kHeightFactors[terrain - 1];
  double h = selector == THeightSelector::Wires ? coefficients.WireHeight : coefficients.SupportHeight;
  if (h <= kHeights[0]) return factors[0];
  if (h >= kHeights[kHeightIntervals]) return factors[kHeightIntervals];
  return *Interpolate(kHeightIntervals, kHeights, factors, h);
}

}  // namespace orv::calc
