#pragma once

// The balance of a supporting insulator string as the balancing-load
// calculation counts it: the string swings from the vertical by the angle
// whose tangent is the horizontal load over the vertical load. Forces are
// those of the whole phase in daN (a weight in kg is the same number).
struct TSwingBalance {
  double Horizontal = 0;      // wind on the wires over the wind span, with K_l and 1/k_d
  double WireVertical = 0;    // weight of the wires over the governing weight span
  double StringVertical = 0;  // half the weight of the string
  // The route-turn term of the load, counted (as the load counts it) as a
  // weight that eases the string; signed like the load's term.
  double TurnWeight = 0;
  double WirePerMetre = 0;  // weight of the phase's wires per metre of weight span
  // The horizontal pull at the turn that the smallest weight span counts
  // (half the turn angle, whatever side the string deflects to).
  double TurnPullForSpan = 0;
};

// Swing angle in degrees (0 to 180) with `addedWeight` kg hung at the string.
// At the weight the calculation found for a permissible angle it equals that
// angle exactly: the load is Horizontal / tan φ minus the vertical load.
double SwingAngleAtWeight(const TSwingBalance& balance, double addedWeight);

// The added weight at which the string swings exactly by `angle` degrees
// (0 < angle < 90): the calculation's Load(φ).
double WeightForSwingAngle(const TSwingBalance& balance, double angle);

// Swing angle with no added weight when the weight span is `weightSpan` m.
// It meets a permissible angle at the smallest weight span the calculation
// finds for it. The calculation counts the turn differently here than in the
// load (half the turn angle as a pull, not a quarter as a weight), so with a
// turn this curve and the one above differ at the support's own weight span.
double SwingAngleAtWeightSpan(const TSwingBalance& balance, double weightSpan);
