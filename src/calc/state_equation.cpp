#include "calc/state_equation.h"

#include <cmath>

#include "base/checked_math.h"

using namespace orv::base;

namespace orv::calc {

namespace {

constexpr double kTolerance = 5e-5;
constexpr int kMaxEquations = 3;

double UpperBound(double A, double B) {
  if (A >= 0) return A + 1 > B + 1 ? A + 1 : B + 1;
  return std::exp(Logarithm(B) / 3) + 1;
}

struct TBisection {
  double A, B, lo, hi, mid;
  bool running;

  bool Above(double m) const { return m - B / (m * m) - A > 0; }

  // One halving at the midpoint m, done whether or not the equation still
  // runs and kept only if it does, so that the equations step together.
  // Beyond about 10¹¹ neighbouring doubles lie further apart than the
  // tolerance: a halving that moves no bound also ends the run.
  void Halve(double m, bool above) {
    bool moves = running && m != lo && m != hi;
    mid = running ? m : mid;
    hi = moves && above ? m : hi;
    lo = moves && !above ? m : lo;
    running = moves && hi - lo > kTolerance;
  }

  void Step() {
    double m = (lo + hi) / 2;
    Halve(m, Above(m));
  }
};

}  // namespace

void SolveStateEquations(const double* A, const double* B, double* sigma, int count) {
  TBisection runs[kMaxEquations];
  for (int k = 0; k < count; ++k) {
    double hi = Finite(UpperBound(Finite(A[k]), Finite(B[k])));
    runs[k] = {A[k], B[k], 0, hi, hi, hi > kTolerance};
  }
  // The equations are independent: halving them side by side lets their
  // divisions overlap.
  for (bool any = true; any;) {
    any = false;
    for (int k = 0; k < count; ++k) {
      runs[k].Step();
      any = any || runs[k].running;
    }
  }
  for (int k = 0; k < count; ++k) sigma[k] = Finite(runs[k].mid);
}

double SolveStateEquation(double A, double B) {
  double sigma = 0;
  SolveStateEquations(&A, &B, &sigma, 1);
  return sigma;
}

}  // namespace orv::calc
