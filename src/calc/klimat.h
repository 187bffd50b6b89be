#pragma once

namespace orv::calc {

// The climatic conditions of a line. TempMax is kept, edited and reported
// only; the calculation uses every other field.
class TKlimat {
 public:
  double IceThickness;     // mm
  double WindVelocityMax;  // m/s
  double WindVelocityIce;  // m/s
  double TempMin;          // °C
  double TempMax;          // °C
  double TempIceNoWind;    // °C
  double TempIceWind;      // °C
  double TempAverage;      // °C

  TKlimat();
  void SetDefaults();
  void AssignFrom(const TKlimat& other);
  // Exact comparison, no tolerance for the reals.
  bool operator==(const TKlimat&) const = default;
  bool IsEqual(const TKlimat& other) const { return *this == other; }
};

}  // namespace orv::calc
