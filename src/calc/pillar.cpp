#include "calc/pillar.h"

#include <algorithm>

#include "base/cp1251.h"

using namespace orv::base;

namespace orv::calc {

namespace {

// The decimal digits plus one, without leading zeros. Works on the text so
// that no digit run is too long for an integer.
std::string IncrementDigits(const std::string& digits) {
  std::string value = digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
  for (auto it = value.rbegin(); it != value.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return value;
    }
    *it = '0';
  }
  return "1" + value;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void TPillar::Assign(const TPillar& source) { *this = source; }

void TPillar::NextSupportNumber() {
  // Bytes of a multi-byte UTF-8 character are never ASCII digits, so a byte
  // scan splits the text at character boundaries.
  std::string prefix, digits, suffix;
  for (char c : SupportNumber) {
    if (IsDigit(c))
      digits += c;
    else
      (digits.empty() ? prefix : suffix) += c;
  }
  if (digits.empty()) return;
  SupportNumber = Utf8Left(prefix + IncrementDigits(digits) + suffix, 6);
}

}  // namespace orv::calc
