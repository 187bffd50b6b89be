#pragma once

#include "calc/pillar.h"
#include "calc/wire_record.h"
#include "calc/wire_states.h"

namespace orv::calc {

// What the supporting insulator string of a support needs to stay within its
// permissible angle.
struct TBalance {
  double MinWeightSpan = 0;  // m
  double BalancingLoad = 0;  // kg
  // How it was reached, for the record of the calculation.
  double WeightSpan = 0;             // of the governing case, m
  double LoadBeforeBallastRule = 0;  // kg
  bool BallastAngleUsed = false;     // the load is Load(AlfaBal): a ballast is hung
  double TurnPull = 0;               // sideways pull of the wires at a turn over k_d, signed, daN
  double TurnTerm = 0;               // its share of Load(φ_g): TurnPull / tan φ_g, kg
};

// The design case that needs the larger vertical load per metre: maximum
// wind unless reduced wind needs at least as much.
struct TDeflectionCase {
  double angle = 0;      // permissible angle φ_g, degrees
  double tangent = 0;    // tan φ_g
  double windLoad = 0;   // P_g, daN/m
  double stress = 0;     // σ_g, daN/mm²
  bool maxWind = false;  // the maximum-wind case, else reduced wind
};

TDeflectionCase GoverningDeflection(const TPillar& pillar, const TWireStates& states);

// S is the height term of the attachment points, H the wind span, kd the
// dynamic coefficient and Kl the span-length factor.
TBalance ComputeBalance(const TPillar& pillar, const TWireRecord& wire, const TWireStates& states,
                        const TDeflectionCase& g, double S, double H, double kd, double Kl);

}  // namespace orv::calc
