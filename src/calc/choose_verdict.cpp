#include "calc/choose_verdict.h"

namespace orv::calc {

namespace {

// Each ballast is chosen a little above its nominal weight: 53 kg for the
// 50 kg one, 103, 155 and 205 kg for the others.
struct TVerdictRange {
  double low;   // excluded
  double high;  // included
  TVerdictId verdict;
};

// The ballasts after the 50 kg one, alone or with two dampers, in the
// order they are tried.
TVerdictId LargerBallast(double x, double D) {
  using V = TVerdictId;
  const TVerdictRange ranges[] = {
      {2 * D + 53, 103, V::Ballast100},          {103, 2 * D + 103, V::TwoDampersBallast100},
      {2 * D + 103, 155, V::Ballast150},         {155, 2 * D + 155, V::TwoDampersBallast150},
      {53, 2 * D + 53, V::TwoDampersBallast50},  {2 * D + 155, 205, V::Ballast200},
      {205, 2 * D + 205, V::TwoDampersBallast200},
  };
  for (const TVerdictRange& range : ranges)
    if (range.low < x && x <= range.high) return range.verdict;
  return V::OverLimit;
}

}  // namespace

TVerdictId ChooseVerdict(double x, double D) {
  using V = TVerdictId;
  // A load of exactly 0.15 kg belongs to the lower range, as every other
  // range includes its upper bound.
  if (x >= 0 && x <= 0.15) return V::NoCalculation;
  const TVerdictRange ranges[] = {
      {0.15, 2, V::NoLoad}, {2, 2 * D, V::TwoDampers}, {2 * D, 4 * D, V::FourDampers}, {4 * D, 53, V::Ballast50}};
  for (const TVerdictRange& range : ranges)
    if (range.low < x && x <= range.high) return range.verdict;
  return LargerBallast(x, D);
}

TVerdictId ChooseBallastVerdict(double x, double D) {
  if (x <= 53) return TVerdictId::Ballast50;
  return LargerBallast(x, D);
}

}  // namespace orv::calc
