#pragma once

// The reference calculation shared by the calculation, command-line and report
// tests: the 8.4 mm wire of 43 mm² (8250 daN/mm², 19.2e-6 1/K) in a climate of
// 5 mm ice, winds of 25 and 12.5 m/s, all coefficients 1, wire height 15 m,
// terrain A; a support with 200 m spans, level attachments, no turn, stresses
// 12 and 8, dampers of 5 kg, a 50 kg string and angles of 45°, 10° and 60°.
// It gives a smallest weight span of 334.693 m, a load of 19.935 kg, a
// vertical load of 29.6 daN and four dampers.

#include <string>

#include "calc/klimat.h"
#include "calc/pillar.h"
#include "calc/wire_record.h"

inline constexpr const char* kWorkedExampleWireName = "АС 35/6.2";

inline orv::calc::TWireRecord WorkedExampleWire(const std::string& name = kWorkedExampleWireName) {
  orv::calc::TWireRecord wire;
  wire.WireGroup = 1;
  wire.WireName = name;
  wire.WireDiameter = 8.4;
  wire.WireArea = 43.0;
  wire.WireWeight = 0.148;
  wire.WireModulus = 8250;
  wire.WireExpansion = 19.2e-6;
  return wire;
}

inline orv::calc::TKlimat WorkedExampleKlimat() {
  orv::calc::TKlimat klimat;
  klimat.IceThickness = 5;
  klimat.WindVelocityMax = 25;
  klimat.WindVelocityIce = 12.5;
  klimat.TempMin = -55;
  klimat.TempIceNoWind = -5;
  klimat.TempIceWind = -5;
  klimat.TempAverage = 0;
  return klimat;
}

inline orv::calc::TPillar WorkedExampleSupport(const std::string& number = "", const std::string& wireName = "") {
  orv::calc::TPillar support;
  support.SupportNumber = number;
  support.WireName = wireName;
  support.StressMax = 12;
  support.StressAverage = 8;
  support.SpanLeft = support.SpanRight = support.SpanEquivalent = 200;
  support.GroundLeft = support.GroundThis = support.GroundRight = 100;
  support.HeightLeft = support.HeightThis = support.HeightRight = 20;
  support.DamperWeight = 5;
  support.InsulatorWeight = 50;
  support.AlfaP = 45;
  support.AlfaAB = 10;
  support.AlfaBal = 60;
  return support;
}
