#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orv::calc {

// The longest wire name the files hold, in characters; a support's WireName
// is the same key.
constexpr std::size_t kWireNameLength = 16;

// The mechanical data of one wire, cord, rope or cable as the catalogue holds
// it. A support refers to it by WireName only.
class TWireRecord {
 public:
  int32_t WireGroup = 0;
  std::string WireName;      // at most 16 characters
  double WireDiameter = 0;   // mm
  double WireArea = 0;       // mm²
  double WireWeight = 0;     // kg/m, taken as daN/m
  double WireModulus = 0;    // daN/mm²
  double WireExpansion = 0;  // 1/K

  void Assign(const TWireRecord& source) { *this = source; }
  // Exact comparison, no tolerance for the reals.
  bool operator==(const TWireRecord&) const = default;
  bool Equals(const TWireRecord& other) const { return *this == other; }
};

}  // namespace orv::calc
