#pragma once

#include <string>
#include <string_view>

namespace orv::base {

// Numbers as the program's files and screens write them: "." as decimal
// separator whatever the process locale, no thousands separator.

// General form with 15 significant digits, rounded, without trailing zeros:
// "100", "0.01", "8.43", "0.333333333333333". Magnitudes from 0.0001 up to,
// but not including, 1E15 are positional; others use an exponent without
// "+" or leading zeros: "9E-5", "1.5E20". Zero is "0". Infinity and NaN are
// refused with OrvError, so they can never reach a file.
std::string FloatToText(double value);

// The same form with the fewest digits that read back as exactly `value`
// (up to 17): a refusal of 90.00000000000001 as above 90 shows why.
std::string FloatToExactText(double value);

std::string IntToText(long long value);

// Blanks around the number and an exponent ("E", optional sign, digits) are
// accepted; "," is not (ReadNumberText turns it into "." first), and neither
// are "inf", "nan" or a value out of the range of double. Throws OrvError
// "'<text>' is not a valid floating point value".
double TextToFloat(std::string_view text);

// Decimal integer with an optional sign and blanks around; throws OrvError
// "'<text>' is not a valid integer value", also when out of range of int.
int TextToInt(std::string_view text);

// Makes "." the decimal separator of the C library's number conversions in
// this process. Our own conversions never depend on the locale; this guards
// whatever code still calls printf-style functions.
void ForcePointSeparator();

}  // namespace orv::base
