#pragma once

// Supports like those of real lines for the benchmarks: several wires, spans
// of 50 to 600 m, uneven ground and attachment heights, route turns, both
// tension modes; the same every run.

#include <random>
#include <string>
#include <vector>

#include "calc/klimat.h"
#include "calc/pillar.h"
#include "calc/wire_record.h"

namespace bench {

struct Support {
  orv::calc::TPillar pillar;
  orv::calc::TWireRecord wire;
};

inline std::vector<orv::calc::TWireRecord> Wires() {
  // diameter, area, weight, modulus, expansion
  const double data[][5] = {{8.4, 43.0, 0.148, 8250, 19.2e-6},   {11.4, 79.3, 0.276, 8250, 19.2e-6},
                            {15.2, 142.4, 0.492, 8250, 19.2e-6}, {21.6, 276.0, 1.044, 8900, 18.3e-6},
                            {11.0, 70.0, 0.623, 20000, 12.0e-6}, {14.5, 95.0, 0.280, 9000, 16.0e-6}};
  std::vector<orv::calc::TWireRecord> wires;
  for (const auto& d : data) {
    orv::calc::TWireRecord w;
    w.WireName = "W" + std::to_string(wires.size() + 1);
    w.WireDiameter = d[0];
    w.WireArea = d[1];
    w.WireWeight = d[2];
    w.WireModulus = d[3];
    w.WireExpansion = d[4];
    wires.push_back(w);
  }
  return wires;
}

inline orv::calc::TPillar RandomPillar(std::mt19937& rng, const orv::calc::TWireRecord& wire) {
  auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng); };
  orv::calc::TPillar p;
  p.WiresInPhase = 1 + static_cast<int>(rng() % 3);
  p.SpanLeft = uniform(50, 600);
  p.SpanRight = uniform(50, 600);
  p.SpanEquivalent = (p.SpanLeft + p.SpanRight) / 2;
  p.GroundLeft = uniform(90, 130);
  p.GroundThis = uniform(90, 130);
  p.GroundRight = uniform(90, 130);
  p.HeightLeft = uniform(12, 30);
  p.HeightThis = uniform(12, 30);
  p.HeightRight = uniform(12, 30);
  p.TurnAngle = rng() % 4 == 0 ? uniform(0.5, 20) : 0;
  p.DeflectionDirection = static_cast<int16_t>(rng() % 2);
  p.DamperWeight = uniform(3, 8);
  p.InsulatorWeight = rng() % 8 == 0 ? 0 : uniform(20, 120);
  // Permissible angles come in whole degrees from the kinds of string used.
  p.AlfaP = static_cast<double>(40 + rng() % 21);
  p.AlfaAB = static_cast<double>(8 + rng() % 13);
  p.AlfaBal = static_cast<double>(55 + rng() % 11);
  double stressMax = uniform(8, 14);
  double stressAverage = stressMax * uniform(0.55, 0.8);
  p.TensionMode = static_cast<int32_t>(rng() % 2);
  p.StressMax = stressMax;
  p.StressAverage = stressAverage;
  p.TensionMax = static_cast<int32_t>(stressMax * wire.WireArea);
  p.TensionAverage = static_cast<int32_t>(stressAverage * wire.WireArea);
  return p;
}

inline std::vector<Support> MakeSupports(int count) {
  std::mt19937 rng(20261207);
  std::vector<orv::calc::TWireRecord> wires = Wires();
  std::vector<Support> supports;
  for (int i = 0; i < count; ++i) {
    const orv::calc::TWireRecord& wire = wires[rng() % wires.size()];
    supports.push_back({RandomPillar(rng, wire), wire});
  }
  return supports;
}

inline orv::calc::TKlimat Climate() {
  orv::calc::TKlimat k;
  k.IceThickness = 10;
  k.WindVelocityMax = 29;
  k.WindVelocityIce = 14;
  k.TempMin = -45;
  k.TempIceNoWind = -5;
  k.TempIceWind = -5;
  k.TempAverage = 2;
  return k;
}

}  // namespace bench
