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

// The two cases in which the supporting string is checked.
enum class TSwingCase {
  None,         // no insulator string, or no case (the ballast angle belongs to none)
  MaxWind,      // maximum wind P4 with Alfa (p), stress σ1
  ReducedWind,  // reduced wind P6.25 with Alfa (a,b), stress σ2
};

// The string check of one case. Forces are those of the whole phase (all
// its wires), in daN; a weight in kg is the same number.
struct TSwingCaseExplanation {
  TSwingCase Case = TSwingCase::None;
  double Angle = 0;          // the case's own permissible angle φ_c, degrees
  double WindLoad = 0;       // P_c, daN/m
  double Stress = 0;         // σ_c, daN/mm²
  double WeightSpan = 0;     // L_w,c = H + (σ_c/γ1)·S, m
  double MinWeightSpan = 0;  // Lmin_c, m; Load_c(φ_c) = n·P1·(Lmin_c − L_w,c)
  double Load = 0;           // Load_c(φ_c), kg, negative when the wires alone suffice
  double Need = 0;           // max(0, Load_c(φ_c)), kg
  // Load_c(AlfaBal), where the ballast angle belongs to this case.
  std::optional<double> LoadAtBallastAngle;
  double TurnTerm = 0;  // the route-turn share of Load_c(φ_c), kg
  // The balance of the string: the horizontal load over the vertical one is
  // tan φ once Load_c(φ) is hung. The model puts no wind on the string itself.
  double HorizontalWireLoad = 0;  // n·P_c·K_l·H / k_d
  double HorizontalTurnLoad = 0;  // the wires' pull at the turn, n·2·σ_c·F·sin(θ/2) / k_d, signed
  double VerticalWireLoad = 0;    // n·P1·L_w,c
  bool operator==(const TSwingCaseExplanation&) const = default;
};

// How the string check reached its load; present only when the support has
// an insulator string and passed the angle and vibration checks.
struct TSwingExplanation {
  TSwingCase Case = TSwingCase::None;  // the governing case: the larger Load_c(φ_c)
  // The case the ballast angle belongs to: the one whose own angle is the
  // largest strictly below AlfaBal; None when AlfaBal is above neither.
  TSwingCase BallastCase = TSwingCase::None;
  // More than four dampers would be needed: a ballast is hung, the ballast
  // angle's case is taken at AlfaBal and the verdict always names a ballast.
  bool BallastHung = false;
  double BallastAngle = 0;  // AlfaBal, degrees
  double DamperWeight = 0;  // G_d: a ballast is hung above four dampers, kg
  double DynamicCoefficient = 0;
  double SpanLengthFactor = 0;
  double VerticalStringLoad = 0;  // half the string's weight
  double LoadBeforeBallastRule = 0;  // B: the larger need of the two cases, kg
  std::array<TSwingCaseExplanation, 2> Cases;  // maximum wind, reduced wind

  const TSwingCaseExplanation& Of(TSwingCase c) const { return Cases[c == TSwingCase::MaxWind ? 0 : 1]; }
  const TSwingCaseExplanation& Governing() const { return Of(Case); }
  // The angle a case's string must keep to with the hardware hung: AlfaBal
  // for the ballast angle's case once a ballast is hung, its own otherwise.
  double LimitAngle(TSwingCase c) const { return BallastHung && c == BallastCase ? BallastAngle : Of(c).Angle; }
  bool operator==(const TSwingExplanation&) const = default;
};

// Data the result was computed from but that an engineer should look at:
// its dictionary key.
struct TCalcWarning {
  std::string Key;
  std::optional<double> Force;  // the force the warning names, daN
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
  double P2 = 0;     // ice
  double P5 = 0;     // wind on the iced wire
  double P7 = 0;     // weight with ice and P5
  double Gamma1 = 0, Gamma6 = 0, GammaR6_25 = 0, Gamma7 = 0, GammaMax = 0;
  // The factors of the loads: height factor K, span factors α at Vmax and
  // at ice, drag coefficient Cx of the wire free of ice.
  double HeightFactor = 0, AlfaMax = 0, AlfaIce = 0, Cx = 0;
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
