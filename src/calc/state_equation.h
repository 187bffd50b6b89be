#pragma once

namespace orv::calc {

// The positive root of σ³ − A·σ² − B = 0 (σ − B/σ² = A), found by bisection
// to 5·10⁻⁵; the result is the last midpoint taken. B = 0 with A < 0 (a span
// of length 0) throws "Floating point division by zero".
double SolveStateEquation(double A, double B);

// The same for count (at most 3) equations at once, each result bit for bit
// what SolveStateEquation gives; the bounds are checked in order, so an
// error is the one the first failing equation raises.
void SolveStateEquations(const double* A, const double* B, double* sigma, int count);

}  // namespace orv::calc
