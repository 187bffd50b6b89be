#include "calc/state_equation.h"

#include <cmath>

#include "calc/checked_math.h"

namespace {

constexpr double kTolerance = 5e-5;

double UpperBound(double A, double B) {
  if (A >= 0) return A + 1 > B + 1 ? A + 1 : B + 1;
  return std::exp(Logarithm(B) / 3) + 1;
}

}  // namespace

double SolveStateEquation(double A, double B) {
  double lo = 0;
  double hi = Finite(UpperBound(Finite(A), Finite(B)));
  double mid = hi;
  while (hi - lo > kTolerance) {
    mid = (lo + hi) / 2;
    // Beyond about 10¹¹ neighbouring doubles lie further apart than the
    // tolerance; stop once halving no longer moves a bound.
    if (mid == lo || mid == hi) break;
    if (mid - B / (mid * mid) - A > 0)
      hi = mid;
    else
      lo = mid;
  }
  return Finite(mid);
}
