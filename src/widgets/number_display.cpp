#include "widgets/number_display.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "settings/number_text.h"

double RoundToSignificant(double value, int digits) {
  if (!std::isfinite(value) || value == 0) return value;
  digits = std::clamp(digits, 1, 17);
  char buffer[64];
  auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                               digits - 1);
  double rounded = value;
  std::from_chars(buffer, written.ptr, rounded);
  return rounded;
}

std::string GeneralNumberText(double value, int digits) {
  return FloatToText(RoundToSignificant(value, digits));
}
