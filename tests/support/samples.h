#pragma once

// Data with every field set away from its default and from every other field,
// so that a value carried to the wrong place, or not at all, shows.

#include <cstdint>

#include "calc/klimat.h"
#include "calc/klimat_koef.h"
#include "calc/pillar.h"

inline orv::calc::TKlimat SampleKlimat() {
  orv::calc::TKlimat klimat;
  klimat.IceThickness = 20.5;
  klimat.TempMin = -45;
  klimat.TempMax = 38.25;
  klimat.TempIceWind = -5.125;
  klimat.TempIceNoWind = -4;
  klimat.TempAverage = 1.2345678901234;  // more digits than the edits show
  klimat.WindVelocityMax = 32;
  klimat.WindVelocityIce = 15.75;
  return klimat;
}

inline orv::calc::TKlimatKoef SampleKoef() {
  orv::calc::TKlimatKoef koef;
  koef.WindRespCoef = 1.1;
  koef.WindRegionalCoef = 1.2;
  koef.WindReliabilityCoef = 1.3;
  koef.IceRespCoef = 1.4;
  koef.IceRegionalCoef = 1.5;
  koef.IceReliabilityCoef = 1.6;
  koef.IceOperatingCoef = 0.123456789012345;
  koef.WireHeight = 27;
  koef.SupportHeight = 33;
  koef.TerrainType = 2;
  return koef;
}

// Both limit pairs are set; the mode says which one the support uses.
inline orv::calc::TPillar SampleSupport(int32_t tensionMode = 0, int16_t deflection = 0) {
  orv::calc::TPillar support;
  support.SupportNumber = "12а";
  support.WireName = "АС 70/11";
  support.WiresInPhase = 2;
  support.GroundLeft = 101.25;
  support.GroundThis = 100.5;
  support.GroundRight = 99.75;
  support.TurnAngle = 2.5;
  support.SpanLeft = 210;
  support.SpanRight = 190.5;
  support.SpanEquivalent = 200;
  support.DamperWeight = 5.4;
  support.InsulatorWeight = 50;
  support.StressMax = 12.5;
  support.StressAverage = 8.25;
  support.TensionMax = 1450;
  support.TensionAverage = -7;
  support.TensionMode = tensionMode;
  support.HeightLeft = 20;
  support.HeightThis = 19.5;
  support.HeightRight = 21;
  support.AlfaP = 45;
  support.AlfaAB = 10;
  support.AlfaBal = 60;
  support.Reserved = 7;
  support.DeflectionDirection = deflection;
  return support;
}
