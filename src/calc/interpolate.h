#pragma once

#include <optional>

namespace orv::calc {

// Piecewise-linear interpolation in a table of n + 1 points, X increasing;
// exact at every node including the last. Empty below X[0] and above X[n]:
// callers settle those ranges themselves.
std::optional<double> Interpolate(int n, const double* X, const double* Y, double x);

}  // namespace orv::calc
