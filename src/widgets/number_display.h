#pragma once

#include <string>

namespace orv::widgets {

// `value` rounded to `digits` significant digits (1 to 17).
double RoundToSignificant(double value, int digits);

// The general number form of the program's files, limited to `digits`
// significant digits: 1.23456789012 with 9 digits is "1.23456789". A number
// with more whole digits than that takes an exponent: "1.23456789E12".
std::string GeneralNumberText(double value, int digits);

}  // namespace orv::widgets
