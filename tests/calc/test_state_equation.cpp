#include "calc/state_equation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "calc/angles.h"
#include "base/errors.h"

using namespace orv::base;
using namespace orv::calc;

namespace {

struct RootCase {
  double A, B, expected;
};

TEST(SolveStateEquation, WorkedRoots) {
  // The result is the last midpoint, not the root: these are exact to the
  // digits of the bisection, not of the equation.
  const RootCase cases[] = {{0, 8, 2.0000267}, {2, 3, 2.4855652}, {-1, 1, 0.7548523}};
  for (const RootCase& c : cases) {
    SCOPED_TRACE(c.A);
    EXPECT_NEAR(SolveStateEquation(c.A, c.B), c.expected, 5e-8);
  }
}

TEST(SolveStateEquation, LastMidpointAfterEighteenHalvings) {
  // hi starts at B + 1 = 9; 18 halvings bring the interval to 9/2¹⁸ < 5e-5.
  double lo = 0, hi = 9, mid = 0;
  for (int i = 0; i < 18; ++i) {
    mid = (lo + hi) / 2;
    (mid - 8 / (mid * mid) > 0 ? hi : lo) = mid;
  }
  EXPECT_EQ(SolveStateEquation(0, 8), mid);
  EXPECT_NE(mid, (lo + hi) / 2);
}

TEST(SolveStateEquation, RootSatisfiesTheEquationForRealStates) {
  const RootCase cases[] = {{11.5, 20, 0}, {-30, 5000, 0}, {0.5, 1e6, 0}, {400, 0, 0}};
  for (const RootCase& c : cases) {
    SCOPED_TRACE(c.A);
    double s = SolveStateEquation(c.A, c.B);
    EXPECT_GT(s, 0);
    double tolerance = 1e-4 * (1 + 2 * c.B / (s * s * s));  // |f'(σ)|·5e-5, generously
    EXPECT_NEAR(s - c.B / (s * s), c.A, tolerance);
  }
}

// The bisection exactly as the calculation defines it, one equation at a time.
double PlainBisection(double A, double B) {
  double hi = A >= 0 ? std::max(A + 1, B + 1) : std::exp(std::log(B) / 3) + 1;
  double lo = 0, mid = 0;
  while (hi - lo > 5e-5) {
    mid = (lo + hi) / 2;
    if (mid - B / (mid * mid) - A > 0)
      hi = mid;
    else
      lo = mid;
  }
  return mid;
}

TEST(SolveStateEquation, SideBySideEqualsOneAtATimeBitForBit) {
  std::mt19937 rng(42);
  std::uniform_real_distribution<> a(-60, 60), logB(-3, 6);
  for (int i = 0; i < 3000; ++i) {
    double A[3], B[3], sigma[3];
    for (int k = 0; k < 3; ++k) {
      A[k] = a(rng);
      B[k] = std::pow(10.0, logB(rng));
    }
    SolveStateEquations(A, B, sigma, 3);
    for (int k = 0; k < 3; ++k) {
      ASSERT_EQ(sigma[k], PlainBisection(A[k], B[k])) << "A = " << A[k] << ", B = " << B[k];
      ASSERT_EQ(sigma[k], SolveStateEquation(A[k], B[k]));
    }
  }
}

TEST(SolveStateEquation, ZeroSpanWithNegativeAIsALogarithmOfZero) {
  try {
    SolveStateEquation(-1, 0);
    FAIL() << "no error";
  } catch (const FloatingPointError& e) {
    EXPECT_STREQ(e.what(), kDivisionByZero);
  }
  EXPECT_THROW(SolveStateEquation(-1, -5), FloatingPointError);
}

TEST(SolveStateEquation, HugeRootEndsAndStaysFinite) {
  // Neighbouring doubles near 1e15 lie further apart than the tolerance.
  double s = SolveStateEquation(1e15, 1);
  EXPECT_NEAR(s, 1e15, 1);
  EXPECT_THROW(SolveStateEquation(NAN, 1), FloatingPointError);
  EXPECT_THROW(SolveStateEquation(INFINITY, 1), FloatingPointError);
}

TEST(TanDeg, KnownAngles) {
  struct {
    double x, expected;
  } cases[] = {{0, 0}, {45, 1}, {-45, -1}, {60, std::sqrt(3.0)}, {10, 0.17632698070846498}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_NEAR(TanDeg(c.x), c.expected, 1e-15);
  }
  EXPECT_EQ(TanDeg(0), 0);
  EXPECT_THROW(TanDeg(NAN), FloatingPointError);
}

TEST(TanDeg, KeptTangentsEqualFreshOnesThroughEvictions) {
  // More angles than are kept, revisited in another order: every answer
  // must be the one first computed for that angle, bit for bit.
  std::vector<double> angles, first;
  for (int i = 0; i < 300; ++i) angles.push_back(i * 0.3 - 44.7);
  for (double x : angles) first.push_back(TanDeg(x));
  for (int round = 0; round < 3; ++round) {
    for (size_t i = angles.size(); i-- > 0;) {
      size_t j = (i * 7 + round) % angles.size();
      ASSERT_EQ(TanDeg(angles[j]), first[j]) << angles[j];
    }
  }
  EXPECT_EQ(TanDeg(-0.0), 0);
  EXPECT_EQ(std::signbit(TanDeg(-0.0)), true);
}

}  // namespace
