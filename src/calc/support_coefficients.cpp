#include "calc/support_coefficients.h"

#include "calc/interpolate.h"

namespace orv::calc {

namespace {

constexpr double kVelocities[] = {0, 26, 28, 30, 32, 34, 36, 38, 40};
constexpr double kDynamic[] = {1.3, 0.97, 0.93, 0.89, 0.85, 0.82, 0.80, 0.80, 0.80};

constexpr double kSpans[] = {50, 100, 150, 250};
constexpr double kSpanFactors[] = {1.2, 1.1, 1.05, 1.0};

}  // namespace

double DynamicCoefficient(double WindVelocityMax) {
  if (WindVelocityMax <= 0) return 1.3;
  if (WindVelocityMax > 40) return 0.8;
  return *Interpolate(8, kVelocities, kDynamic, WindVelocityMax);
}

double SpanLengthFactor(double WindSpan) {
  if (WindSpan <= 50) return 1.2;
  if (WindSpan > 250) return 1.0;
  return *Interpolate(3, kSpans, kSpanFactors, WindSpan);
}

}  // namespace orv::calc
