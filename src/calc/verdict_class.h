#pragma once

#include <optional>
#include <string>

namespace orv::calc {

// What a verdict asks of the designer, as the pictures and the results table
// tell supports apart.
enum class TVerdictClass {
  NothingNeeded,  // no load, or no upward force at a support without a string
  Dampers,        // two or four vibration dampers
  Ballast,        // a ballast, alone or with two dampers
  OverLimit,      // more than 200 kg, or a strain support
  Tearing,        // an upward force at the lowest temperature, no string
  DataError,      // no result: an error or "Data error"
};

// The class of a verdict key ("Mess_01".."Mess_13", "Data_error",
// "Evaluate_the_tearing_load", "There is no force"); DataError for no key or
// one not listed.
TVerdictClass VerdictClassOf(const std::optional<std::string>& verdictKey);

// The dictionary key of a class's name ("Diagram_class_ballast", ...).
const char* VerdictClassKey(TVerdictClass verdictClass);

// The weight (kg) of the hardware a verdict recommends with dampers of
// `damperWeight` kg: 0 when nothing is needed, empty when the verdict names
// no hardware (over 200 kg, strain support, tearing, data error).
std::optional<double> RecommendedWeight(const std::string& verdictKey, double damperWeight);

// The hardware a recommendation hangs: vibration dampers and a ballast of
// BL-100-1 (50 or 100 kg) or BL-200-1 (150 or 200 kg).
struct THangingHardware {
  int Dampers = 0;
  double Ballast = 0;  // kg; 0 for none
};

// The hardware of "Mess_01".."Mess_12"; empty for any other key.
std::optional<THangingHardware> HardwareOf(const std::string& verdictKey);

}  // namespace orv::calc
