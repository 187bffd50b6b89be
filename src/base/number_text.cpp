#include "base/number_text.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>

#include "base/errors.h"
#include "base/text_excerpt.h"

namespace orv::base {

namespace {

constexpr int kSignificantDigits = 15;

// The digits of |value| rounded to 15 significant ones, trailing zeros
// removed, and the decimal exponent of the first digit.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

// Without `precision` the digits are the fewest that read back as the same
// double.
Decimal ToDecimal(double magnitude, std::optional<int> precision) {
  char buffer[64];
  auto result = precision ? std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                          std::chars_format::scientific, *precision - 1)
                          : std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
  std::string text(buffer, result.ptr);
  std::size_t e = text.find('e');
  Decimal decimal;
  decimal.exponent = std::atoi(text.c_str() + e + 1);  // at most three digits here
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') decimal.digits += text[i];
  }
  decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
  return decimal;
}

bool ReadsBackFinite(const Decimal& d) {
  const std::string text = d.digits + "e" + std::to_string(d.exponent - int(d.digits.size()) + 1);
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && std::isfinite(value);
}

std::string Positional(const Decimal& d) {
  if (d.exponent < 0) return "0." + std::string(-d.exponent - 1, '0') + d.digits;
  std::size_t integerDigits = d.exponent + 1;
  if (d.digits.size() <= integerDigits) return d.digits + std::string(integerDigits - d.digits.size(), '0');
  return d.digits.substr(0, integerDigits) + "." + d.digits.substr(integerDigits);
}

std::string WithExponent(const Decimal& d) {
  std::string text = d.digits.substr(0, 1);
  if (d.digits.size() > 1) text += "." + d.digits.substr(1);
  return text + "E" + std::to_string(d.exponent);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A view and plain loops: every number read from a file passes here, and
// find_first_not_of would search the set of two for every character.
std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// Optional sign, digits with an optional "." (at least one digit in all), an
// optional exponent. Anything else, "inf" and "nan" among it, is refused
// before the conversion sees it.
bool IsDecimalNumber(std::string_view text) {
  std::size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
  std::size_t integerEnd = SkipDigits(text, i);
  std::size_t end = integerEnd;
  if (end < text.size() && text[end] == '.') end = SkipDigits(text, end + 1);
  if (end - i - (end > integerEnd ? 1 : 0) == 0) return false;
  if (end < text.size() && (text[end] == 'E' || text[end] == 'e')) {
    std::size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    end = SkipDigits(text, exponent);
    if (end == exponent) return false;
  }
  return end == text.size();
}

// The exponent as written, held within +-10^15: far beyond any double and
// any text this program reads, and "5e2147483648" cannot overflow the count.
long long BoundedExponent(std::string_view text) {
  constexpr long long kBound = 1000000000000000;
  std::size_t i = text[0] == '+' || text[0] == '-' ? 1 : 0;
  long long exponent = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) exponent = std::min(kBound, exponent * 10 + (text[i] - '0'));
  return text[0] == '-' ? -exponent : exponent;
}

// True when a number that from_chars found out of range is too small rather
// than too large, judged by the decimal exponent of its first non-zero digit.
// The position counts every zero written, so "0.000…0001e1000400" with a
// million zeros is the large number it is.
bool Underflows(std::string_view number) {
  std::size_t mantissaEnd = number.find_first_of("eE");
  long long exponent = mantissaEnd == std::string::npos ? 0 : BoundedExponent(number.substr(mantissaEnd + 1));
  std::string_view mantissa = number.substr(0, mantissaEnd);
  std::size_t point = mantissa.find('.');
  if (point == std::string::npos) point = mantissa.size();
  std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string::npos) return true;
  long long position = first < point ? static_cast<long long>(point - first) - 1 : -static_cast<long long>(first - point);
  return position + exponent < 0;
}

// The text comes from a file: quoted short and with its control characters
// escaped.
[[noreturn]] void ThrowNotFloat(std::string_view text) {
  throw OrvError("'" + TextExcerpt(text) + "' is not a valid floating point value");
}

[[noreturn]] void ThrowNotInteger(std::string_view text) {
  throw OrvError("'" + TextExcerpt(text) + "' is not a valid integer value");
}

}  // namespace

namespace {

std::string GeneralForm(double value, const Decimal& decimal) {
  bool positional = decimal.exponent >= -4 && decimal.exponent < kSignificantDigits;
  return (value < 0 ? "-" : "") + (positional ? Positional(decimal) : WithExponent(decimal));
}

}  // namespace

std::string FloatToText(double value) {
  if (!std::isfinite(value)) throw FloatingPointError(kInvalidOperation);
  if (value == 0) return "0";
  Decimal decimal = ToDecimal(std::fabs(value), kSignificantDigits);
  // Near the largest double, rounding to 15 digits can go beyond it, and the
  // text would not read again: such a value keeps the digits it needs.
  if (decimal.exponent == std::numeric_limits<double>::max_exponent10 && !ReadsBackFinite(decimal))
    decimal = ToDecimal(std::fabs(value), std::nullopt);
  return GeneralForm(value, decimal);
}

std::string FloatToExactText(double value) {
  if (!std::isfinite(value)) throw FloatingPointError(kInvalidOperation);
  if (value == 0) return "0";
  return GeneralForm(value, ToDecimal(std::fabs(value), std::nullopt));
}

std::string IntToText(long long value) {
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

double TextToFloat(std::string_view text) {
  std::string_view number = Trim(text);
  if (!IsDecimalNumber(number)) ThrowNotFloat(text);
  std::size_t start = number[0] == '+' ? 1 : 0;
  double value = 0;
  auto result = std::from_chars(number.data() + start, number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (!Underflows(number)) ThrowNotFloat(text);
    return number[0] == '-' ? -0.0 : 0.0;
  }
  if (result.ec != std::errc() || !std::isfinite(value)) ThrowNotFloat(text);
  return value;
}

int TextToInt(std::string_view text) {
  std::string_view number = Trim(text);
  std::size_t start = number.starts_with('+') && !number.starts_with("+-") ? 1 : 0;
  int value = 0;
  const char* end = number.data() + number.size();
  auto result = std::from_chars(number.data() + start, end, value);
  if (result.ec != std::errc() || result.ptr != end) ThrowNotInteger(text);
  return value;
}

void ForcePointSeparator() { std::setlocale(LC_NUMERIC, "C"); }

}  // namespace orv::base
