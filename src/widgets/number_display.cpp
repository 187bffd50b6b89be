#include "widgets/number_display.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/number_text.h"

using namespace orv::base;

namespace orv::widgets {

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

namespace {

// "1.23456789E12": the mantissa without trailing zeros, the exponent without
// "+" or leading zeros, as the program writes its other exponents.
std::string ExponentText(double value, int digits) {
  char buffer[64];
  auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                               digits - 1);
  std::string text(buffer, written.ptr);
  const std::size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  if (mantissa.find('.') != std::string::npos) {
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
  return mantissa + "E" + std::to_string(exponent);
}

}  // namespace

std::string GeneralNumberText(double value, int digits) {
  digits = std::clamp(digits, 1, 17);
  const double rounded = RoundToSignificant(value, digits);
  // More whole digits than the precision cannot be shown positionally
  // without inventing zeros.
  if (std::isfinite(rounded) && std::fabs(rounded) >= std::pow(10.0, digits)) {
    return ExponentText(rounded, digits);
  }
  return FloatToText(rounded);
}

}  // namespace orv::widgets
