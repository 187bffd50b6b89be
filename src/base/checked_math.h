#pragma once

#include <cmath>

#include "base/errors.h"

namespace orv::base {

// Arithmetic of the calculation that reports what the hardware would only
// mark: a zero divisor, a root or logarithm outside its domain, a value that
// is no longer finite. Each throws FloatingPointError with the number layer's
// message, so no NaN or infinity ever leaves the calculation. Inline: the
// calculation runs them a few hundred times per support.

inline constexpr const char* kOverflow = "Floating point overflow";

// a / b; "Floating point division by zero", or "Invalid floating point
// operation" for 0 / 0.
inline double Divide(double a, double b) {
  if (b == 0) throw FloatingPointError(a == 0 || std::isnan(a) ? kInvalidOperation : kDivisionByZero);
  return a / b;
}

// Square root; "Invalid floating point operation" below zero.
inline double SquareRoot(double x) {
  if (x < 0 || std::isnan(x)) throw FloatingPointError(kInvalidOperation);
  return std::sqrt(x);
}

// Natural logarithm; "Floating point division by zero" at zero, "Invalid
// floating point operation" below it.
inline double Logarithm(double x) {
  if (x == 0) throw FloatingPointError(kDivisionByZero);
  if (x < 0 || std::isnan(x)) throw FloatingPointError(kInvalidOperation);
  return std::log(x);
}

// x itself when finite; "Invalid floating point operation" for NaN,
// "Floating point overflow" for an infinity.
inline double Finite(double x) {
  if (std::isnan(x)) throw FloatingPointError(kInvalidOperation);
  if (std::isinf(x)) throw FloatingPointError(kOverflow);
  return x;
}

}  // namespace orv::base
