#include "calc/verdict_hardware.h"

#include <string_view>

namespace orv::calc {

namespace {

struct THanging {
  std::string_view verdict;
  const char* hanging;
};

constexpr THanging kHangings[] = {
    {"Mess_01", "Hang_nothing"},
    {"Mess_02", "Hang_nothing"},
    {"Mess_03", "Hang_2_dampers"},
    {"Mess_04", "Hang_4_dampers"},
    {"Mess_05", "Hang_BL100_50"},
    {"Mess_06", "Hang_BL100_100"},
    {"Mess_07", "Hang_2_dampers_BL100_100"},
    {"Mess_08", "Hang_BL200_150"},
    {"Mess_09", "Hang_2_dampers_BL200_150"},
    {"Mess_10", "Hang_2_dampers_BL100_50"},
    {"Mess_11", "Hang_BL200_200"},
    {"Mess_12", "Hang_2_dampers_BL200_200"},
    {"Mess_13", "Hang_over_200"},
    {"There is no force", "Hang_nothing"},
    {"Evaluate_the_tearing_load", "Hang_strain_fitting"},
};

}  // namespace

std::string HangingKey(const std::string& verdictKey) {
  for (const THanging& h : kHangings) {
    if (h.verdict == verdictKey) return h.hanging;
  }
  return "";
}

}  // namespace orv::calc
