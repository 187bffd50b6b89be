#include "calc/interpolate.h"

namespace orv::calc {

std::optional<double> Interpolate(int n, const double* X, const double* Y, double x) {
  std::optional<double> y;
  for (int i = 0; i < n; ++i) {
    if (X[i] == x)
      y = Y[i];
    else if (X[i] < x && x < X[i + 1])
      y = Y[i] + (Y[i + 1] - Y[i]) / (X[i + 1] - X[i]) * (x - X[i]);
  }
  if (x == X[n]) y = Y[n];
  return y;
}

}  // namespace orv::calc
