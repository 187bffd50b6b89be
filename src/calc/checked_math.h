#pragma once

// Arithmetic of the calculation that reports what the hardware would only
// mark: a zero divisor, a root or logarithm outside its domain, a value that
// is no longer finite. Each throws FloatingPointError with the number layer's
// message, so no NaN or infinity ever leaves the calculation.

inline constexpr const char* kOverflow = "Floating point overflow";

// a / b; "Floating point division by zero", or "Invalid floating point
// operation" for 0 / 0.
double Divide(double a, double b);

// Square root; "Invalid floating point operation" below zero.
double SquareRoot(double x);

// Natural logarithm; "Floating point division by zero" at zero, "Invalid
// floating point operation" below it.
double Logarithm(double x);

// x itself when finite; "Invalid floating point operation" for NaN,
// "Floating point overflow" for an infinity.
double Finite(double x);
