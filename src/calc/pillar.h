#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "calc/wire_record.h"

namespace orv::calc {

// The longest support number the files hold, in characters.
constexpr std::size_t kSupportNumberLength = 6;

// One suspension support as the user enters it. Texts are UTF-8; their
// limits count characters.
class TPillar {
 public:
  std::string SupportNumber;  // at most 6 characters
  std::string WireName;       // at most 16 characters; key into the catalogue
  int32_t WiresInPhase = 1;
  double GroundLeft = 0;            // m
  double GroundThis = 0;            // m
  double GroundRight = 0;           // m
  double TurnAngle = 0;             // degrees; exactly 0 is a straight line
  double SpanLeft = 0;              // m
  double SpanRight = 0;             // m
  double SpanEquivalent = 0;        // m
  double DamperWeight = 0;          // kg
  double InsulatorWeight = 0;       // kg; exactly 0 means the tearing check only
  double StressMax = 0;             // daN/mm²
  double StressAverage = 0;         // daN/mm²
  int32_t TensionMax = 0;           // daN
  int32_t TensionAverage = 0;       // daN
  int32_t TensionMode = 0;          // 0: the stresses are the limits; otherwise the tensions
  double HeightLeft = 0;            // m
  double HeightThis = 0;            // m
  double HeightRight = 0;           // m
  double AlfaP = 0;                 // degrees
  double AlfaAB = 0;                // degrees
  double AlfaBal = 0;               // degrees
  int32_t Reserved = 0;             // kept, copied, compared and saved only
  int16_t DeflectionDirection = 1;  // 0 toward the support, otherwise from it

  void Assign(const TPillar& source);
  // Exact comparison of every field: texts byte for byte, reals without tolerance.
  bool operator==(const TPillar&) const = default;
  bool Equals(const TPillar& other) const { return *this == other; }
  // 12 -> 13, A9 -> A10, 1a2 -> 13a, 007 -> 8; no digit leaves it as it is.
  void NextSupportNumber();
};

}  // namespace orv::calc
