#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/governing_case.h"

namespace orv::calc {

// The check at which a support's calculation ended without a result.
enum class TStopCheck {
  None,                  // the calculation ran to its verdict
  Range,                 // an input outside its physical range
  CriticalSpans,         // the permissible stresses or temperatures were refused
  GoverningCase,         // the critical spans allowed no initial state
  Angle,                 // a permissible angle Alfa (p) or Alfa (a,b) of 0
  VibrationCoefficient,  // the dynamic coefficient of the wire's vibration is 0
};

// Which permissible deflection of the supporting string decides the load.
enum class TSwingCase {
  None,         // no insulator string, or the calculation stopped before
  MaxWind,      // maximum wind with Alfa (p), stress σ1
  ReducedWind,  // reduced wind with Alfa (a,b), stress σ2
};

// How the string check reached its load; present only when the support has
// an insulator string and passed the angle and vibration checks. Forces are
// those of the whole phase (all its wires), in daN.
struct TSwingExplanation {
  TSwingCase Case = TSwingCase::None;
  double NeedMaxWind = 0;      // P4 / tan Alfa (p), daN/m
  double NeedReducedWind = 0;  // P6.25 / tan Alfa (a,b), daN/m
  double GoverningAngle = 0;   // φ_g, degrees
  double WindLoad = 0;         // P_g, daN/m
  double Stress = 0;           // σ_g, daN/mm²
  double DynamicCoefficient = 0;
  double SpanLengthFactor = 0;
  double WeightSpan = 0;             // of the governing case, m
  double MinWeightSpan = 0;          // m
  double LoadBeforeBallastRule = 0;  // Load(φ_g), or 0 when the weight span suffices, kg
  // More than four dampers: a ballast is hung, the load is Load(AlfaBal)
  // and the verdict always names a ballast.
  bool BallastAngleUsed = false;
  double DamperWeight = 0;      // G_d: the ballast angle applies above four dampers, kg
  double PermissibleAngle = 0;  // the angle of the final load: φ_g or AlfaBal, degrees
  double TurnTerm = 0;          // the route-turn term T(φ_g) of Load(φ_g), kg
  // The balance of the string: the horizontal load over the vertical one is
  // tan φ once Load(φ) is hung, for any permissible angle φ. The model puts
  // no wind on the string itself.
  double HorizontalWireLoad = 0;  // n·P_g·K_l·H / k_d
  double HorizontalTurnLoad = 0;  // the wires' pull at the turn, n·2·σ_g·F·sin(θ/2) / k_d, signed
  double VerticalWireLoad = 0;    // n·P1·L_w
  double VerticalStringLoad = 0;  // half the string's weight
  bool operator==(const TSwingExplanation&) const = default;
};

// Data the result was computed from but that an engineer should look at:
// its dictionary key.
struct TCalcWarning {
  std::string Key;
  bool operator==(const TCalcWarning&) const = default;
};

// How a support's result was reached: the values the calculation went
// through, up to the check where it stopped. A value of a stage the
// calculation did not reach keeps its default.
struct TSupportExplanation {
  TStopCheck StoppedAt = TStopCheck::None;

  // Loads of the wire per metre (daN/m) and specific loads (daN/(m·mm²)).
  double P1 = 0;     // own weight
  double P4 = 0;     // maximum wind on the wire free of ice
  double P6_25 = 0;  // reduced wind at 6.25 daN/m²
  double Gamma1 = 0, Gamma6 = 0, GammaR6_25 = 0, GammaMax = 0;
  double StressMax = 0, StressAverage = 0;  // permissible stresses, daN/mm²

  // Set once the critical spans passed their checks; empty for an
  // imaginary span.
  bool HasCriticalSpans = false;
  std::array<std::optional<double>, 3> CriticalSpans;
  TGoverningCase GoverningRule = CaseNone;             // what the critical spans' rule named
  TGoverningCase GoverningCase = CaseNone;             // after the check of the limit states
  std::optional<std::array<double, 3>> StateStresses;  // σ1, σ2, σ3

  double HeightTerm = 0;  // S, per metre of span
  double WindSpan = 0;    // H, m
  std::optional<TSwingExplanation> Swing;
  std::optional<double> WeightSpanMinTemp;  // weight span of the lowest-temperature state, m
  std::optional<double> VerticalLoadMinTemp;
  std::vector<TCalcWarning> Warnings;
  bool operator==(const TSupportExplanation&) const = default;
};

}  // namespace orv::calc
