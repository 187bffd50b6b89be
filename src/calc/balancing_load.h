#pragma once

#include <array>

#include "calc/pillar.h"
#include "calc/support_explanation.h"
#include "calc/wire_record.h"
#include "calc/wire_states.h"

namespace orv::calc {

// One of the two cases the string is checked in: its permissible angle, its
// wind load and the wire's stress in it.
struct TDeflectionCase {
  TSwingCase which = TSwingCase::None;
  double angle = 0;     // own permissible angle φ_c, degrees
  double tangent = 0;   // tan φ_c
  double windLoad = 0;  // P_c, daN/m
  double stress = 0;    // σ_c, daN/mm²
};

// Maximum wind (P4, σ1, Alfa (p)) and reduced wind (P6.25, σ2, Alfa (a,b)).
std::array<TDeflectionCase, 2> DeflectionCases(const TPillar& pillar, const TWireStates& states);

// The case the ballast angle belongs to: the one whose own angle is the
// largest strictly below AlfaBal, reduced wind when both are equal; None when
// AlfaBal is above neither.
TSwingCase BallastAngleCase(const TPillar& pillar);

// What the supporting insulator string of a support needs in each case to
// stay within its permissible angle, and the load hung for both.
struct TBalance {
  std::array<TSwingCaseExplanation, 2> Cases;  // maximum wind, reduced wind
  TSwingCase Governing = TSwingCase::None;     // the larger Load_c(φ_c); a tie goes to reduced wind
  TSwingCase BallastCase = TSwingCase::None;
  double Need = 0;           // B: the larger need of the two, kg
  bool BallastHung = false;  // B is more than four dampers carry
  double BalancingLoad = 0;  // kg
  double MinWeightSpan = 0;  // of the governing case, m
};

// S is the height term of the attachment points, H the wind span, kd the
// dynamic coefficient and Kl the span-length factor.
TBalance ComputeBalance(const TPillar& pillar, const TWireRecord& wire, const TWireStates& states, double S,
                        double H, double kd, double Kl);

}  // namespace orv::calc
