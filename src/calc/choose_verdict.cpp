#include "calc/choose_verdict.h"

namespace orv::calc {

namespace {

// Each ballast is chosen a little above its nominal weight: 53 kg for the
// 50 kg one, 103, 155 and 205 kg for the others.
struct TVerdictRange {
  double low;   // excluded
  double high;  // included
  const char* key;
};

// The ballasts after the 50 kg one, alone or with two dampers, in the
// order they are tried.
std::string LargerBallast(double x, double D) {
  const TVerdictRange ranges[] = {
      {2 * D + 53, 103, "Mess_06"},  {103, 2 * D + 103, "Mess_07"}, {2 * D + 103, 155, "Mess_08"},
      {155, 2 * D + 155, "Mess_09"}, {53, 2 * D + 53, "Mess_10"},   {2 * D + 155, 205, "Mess_11"},
      {205, 2 * D + 205, "Mess_12"},
  };
  for (const TVerdictRange& range : ranges)
    if (range.low < x && x <= range.high) return range.key;
  return "Mess_13";
}

}  // namespace

std::string ChooseVerdict(double x, double D) {
  // A load of exactly 0.15 kg belongs to the lower range, as every other
  // range includes its upper bound.
  if (x >= 0 && x <= 0.15) return "Mess_01";
  const TVerdictRange ranges[] = {
      {0.15, 2, "Mess_02"}, {2, 2 * D, "Mess_03"}, {2 * D, 4 * D, "Mess_04"}, {4 * D, 53, "Mess_05"}};
  for (const TVerdictRange& range : ranges)
    if (range.low < x && x <= range.high) return range.key;
  return LargerBallast(x, D);
}

std::string ChooseBallastVerdict(double x, double D) {
  if (x <= 53) return "Mess_05";
  return LargerBallast(x, D);
}

}  // namespace orv::calc
