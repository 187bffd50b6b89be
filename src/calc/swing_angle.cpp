#include "calc/swing_angle.h"

#include <cmath>

#include "base/checked_math.h"
#include "calc/angles.h"

using namespace orv::base;

namespace orv::calc {

namespace {

constexpr double kDegreesPerRadian = 57.295779513082320876798;

// The angle from the vertical of a load; beyond 90° the vertical load points
// upward and the string is lifted.
double AngleOf(double horizontal, double vertical) {
  return std::atan2(horizontal, vertical) * kDegreesPerRadian;
}

}  // namespace

double SwingAngleAtWeight(const TSwingBalance& b, double addedWeight) {
  return AngleOf(b.Horizontal + b.TurnPull, b.WireVertical + b.StringVertical + addedWeight);
}

double WeightForSwingAngle(const TSwingBalance& b, double angle) {
  return Finite(Divide(b.Horizontal + b.TurnPull, TanDeg(angle)) - b.WireVertical - b.StringVertical);
}

double SwingAngleAtWeightSpan(const TSwingBalance& b, double weightSpan) {
  return AngleOf(b.Horizontal + b.TurnPull, b.WirePerMetre * weightSpan + b.StringVertical);
}

}  // namespace orv::calc
