#include "calc/checked_math.h"

#include <cmath>

#include "settings/errors.h"

double Divide(double a, double b) {
  if (b == 0) throw FloatingPointError(a == 0 || std::isnan(a) ? kInvalidOperation : kDivisionByZero);
  return a / b;
}

double SquareRoot(double x) {
  if (x < 0 || std::isnan(x)) throw FloatingPointError(kInvalidOperation);
  return std::sqrt(x);
}

double Logarithm(double x) {
  if (x == 0) throw FloatingPointError(kDivisionByZero);
  if (x < 0 || std::isnan(x)) throw FloatingPointError(kInvalidOperation);
  return std::log(x);
}

double Finite(double x) {
  if (std::isnan(x)) throw FloatingPointError(kInvalidOperation);
  if (std::isinf(x)) throw FloatingPointError(kOverflow);
  return x;
}
