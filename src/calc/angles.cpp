#include "calc/angles.h"

#include <cmath>

#include "calc/checked_math.h"
#include "settings/errors.h"

namespace {

constexpr long double kPi = 3.1415926535897932385L;

long double Radians(double x) { return x * kPi / 180; }

}  // namespace

double TanDeg(double x) {
  long double angle = Radians(x);
  long double cosine = std::cos(angle);
  if (cosine == 0) throw FloatingPointError(kDivisionByZero);
  return Finite(static_cast<double>(std::sin(angle) / cosine));
}

double SinDeg(double x) { return static_cast<double>(std::sin(Radians(x))); }
