#pragma once

namespace orv::calc {

// The initial state that governs the wire's stress.
enum TGoverningCase {
  CaseNone = 0,                // the critical spans allow no decision
  CaseAverageTemperature = 1,  // σ_avg, own weight, average annual temperature
  CaseMinimumTemperature = 2,  // σ_max, own weight, minimum temperature
  CaseMaximumLoad = 3,         // σ_max, greatest load, ice without wind
};

// The governing case for the span L from the critical spans l1, l2, l3, any
// of which except l2 may be the imaginary-span marker.
TGoverningCase GoverningCase(double L, double l1, double l2, double l3);

}  // namespace orv::calc
