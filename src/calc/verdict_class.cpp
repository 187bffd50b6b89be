#include "calc/verdict_class.h"

#include <map>

namespace orv::calc {

namespace {

// Dampers and nominal ballast of each recommendation.
const std::map<std::string, THangingHardware>& HardwareByKey() {
  static const std::map<std::string, THangingHardware> table = {
      {"Mess_01", {0, 0}},   {"Mess_02", {0, 0}},   {"Mess_03", {2, 0}},   {"Mess_04", {4, 0}},
      {"Mess_05", {0, 50}},  {"Mess_06", {0, 100}}, {"Mess_07", {2, 100}}, {"Mess_08", {0, 150}},
      {"Mess_09", {2, 150}}, {"Mess_10", {2, 50}},  {"Mess_11", {0, 200}}, {"Mess_12", {2, 200}},
  };
  return table;
}

}  // namespace

TVerdictClass VerdictClassOf(const std::optional<std::string>& key) {
  if (!key) return TVerdictClass::DataError;
  if (*key == "There is no force") return TVerdictClass::NothingNeeded;
  if (*key == "Evaluate_the_tearing_load") return TVerdictClass::Tearing;
  if (*key == "Mess_13") return TVerdictClass::OverLimit;
  auto found = HardwareByKey().find(*key);
  if (found == HardwareByKey().end()) return TVerdictClass::DataError;
  if (found->second.Ballast > 0) return TVerdictClass::Ballast;
  return found->second.Dampers > 0 ? TVerdictClass::Dampers : TVerdictClass::NothingNeeded;
}

std::optional<double> RecommendedWeight(const std::string& key, double damperWeight) {
  auto found = HardwareByKey().find(key);
  if (found == HardwareByKey().end()) return std::nullopt;
  return found->second.Dampers * damperWeight + found->second.Ballast;
}

std::optional<THangingHardware> HardwareOf(const std::string& key) {
  auto found = HardwareByKey().find(key);
  if (found == HardwareByKey().end()) return std::nullopt;
  return found->second;
}

const char* VerdictClassKey(TVerdictClass c) {
  switch (c) {
    case TVerdictClass::NothingNeeded:
      return "Diagram_class_nothing";
    case TVerdictClass::Dampers:
      return "Diagram_class_dampers";
    case TVerdictClass::Ballast:
      return "Diagram_class_ballast";
    case TVerdictClass::OverLimit:
      return "Diagram_class_over";
    case TVerdictClass::Tearing:
      return "Diagram_class_tearing";
    case TVerdictClass::DataError:
      break;
  }
  return "Data_error";
}

}  // namespace orv::calc
