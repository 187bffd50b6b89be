#pragma once

namespace orv::calc {

// The balance of a supporting insulator string as the balancing-load
// calculation counts it: the string swings from the vertical by the angle
// whose tangent is the horizontal load over the vertical load. Forces are
// those of the whole phase in daN (a weight in kg is the same number).
struct TSwingBalance {
  double Horizontal = 0;      // wind on the wires over the wind span, with K_l and 1/k_d
  double TurnPull = 0;        // the wires' pull at a route turn, with 1/k_d; negative from the support
  double WireVertical = 0;    // weight of the wires over the governing weight span
  double StringVertical = 0;  // half the weight of the string
  double WirePerMetre = 0;    // weight of the phase's wires per metre of weight span
  bool operator==(const TSwingBalance&) const = default;
};

// Swing angle in degrees (0 to 180) with `addedWeight` kg hung at the string.
// At the weight the calculation found for a permissible angle it equals that
// angle exactly: the load is the horizontal load over tan φ less the
// vertical load.
double SwingAngleAtWeight(const TSwingBalance& balance, double addedWeight);

// The added weight at which the string swings exactly by `angle` degrees
// (0 < angle < 90): the calculation's Load(φ).
double WeightForSwingAngle(const TSwingBalance& balance, double angle);

// Swing angle with no added weight when the weight span is `weightSpan` m.
// It meets the governing angle at the smallest weight span, and at the
// support's own weight span it is the angle of the weight curve at no
// added weight.
double SwingAngleAtWeightSpan(const TSwingBalance& balance, double weightSpan);

}  // namespace orv::calc
