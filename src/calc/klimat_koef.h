#pragma once

#include <cstdint>
#include <string>

namespace orv::calc {

// The refinements of the climate and the reliability coefficients of a line.
class TKlimatKoef {
 public:
  double WindRespCoef;
  double WindRegionalCoef;
  double WindReliabilityCoef;
  double IceRespCoef;
  double IceRegionalCoef;
  double IceReliabilityCoef;
  double IceOperatingCoef;
  int32_t WireHeight;     // m
  int32_t SupportHeight;  // m; kept and compared, no frame edits it
  int32_t TerrainType;    // 1 = A, 2 = B, 3 = C

  TKlimatKoef();
  void SetDefaults();
  void AssignFrom(const TKlimatKoef& other);
  // Exact comparison, no tolerance for the reals.
  bool operator==(const TKlimatKoef&) const = default;
  bool IsEqual(const TKlimatKoef& other) const { return *this == other; }
  // "A", "B" or "C" for terrain types 1 to 3; any other type leaves text as
  // the caller put it.
  void TerrainLetter(std::string& text) const;
};

}  // namespace orv::calc
