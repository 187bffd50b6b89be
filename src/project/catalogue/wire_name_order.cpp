#include "project/catalogue/wire_name_order.h"

#include <cctype>
#include <cstddef>
#include <utility>

#include "base/utf8.h"

using namespace orv::base;

namespace orv::project {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digit run at `at` without its leading zeros; `at` moves past it.
std::string DigitRun(const std::string& text, std::size_t& at) {
  while (at < text.size() && text[at] == '0' && at + 1 < text.size() && IsDigit(text[at + 1])) ++at;
  const std::size_t start = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  return text.substr(start, at - start);
}

int CompareNumbers(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b);
}

// Lower-case Cyrillic letters and the Latin letter each looks like.
constexpr std::pair<char32_t, char> kLookAlikes[] = {{U'а', 'a'}, {U'в', 'b'}, {U'е', 'e'}, {U'к', 'k'},
                                                     {U'м', 'm'}, {U'н', 'h'}, {U'о', 'o'}, {U'р', 'p'},
                                                     {U'с', 'c'}, {U'т', 't'}, {U'х', 'x'}, {U'у', 'y'}};

char32_t Folded(char32_t c) {
  if (c >= U'А' && c <= U'Я') c += 0x20;
  if (c == U'Ё') c = U'ё';
  for (const auto& [cyrillic, latin] : kLookAlikes)
    if (c == cyrillic) return static_cast<char32_t>(latin);
  if (c < 0x80) return static_cast<char32_t>(std::tolower(static_cast<int>(c)));
  return c;
}

}  // namespace

int CompareWireNames(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      const int numbers = CompareNumbers(DigitRun(a, i), DigitRun(b, j));
      if (numbers != 0) return numbers;
      continue;
    }
    const auto x = static_cast<unsigned char>(a[i++]);
    const auto y = static_cast<unsigned char>(b[j++]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  // "50/08" and "50/8" are the same numbers: their bytes decide, so that
  // the order never depends on the sort.
  return a.compare(b);
}

// A byte that is not UTF-8 is kept as it is.
std::string WireSearchKey(const std::string& text) {
  std::string key;
  std::size_t at = 0;
  while (at < text.size()) {
    char32_t c = 0;
    if (NextCodePoint(text, at, c))
      AppendUtf8(key, Folded(c));
    else
      key += text[at++];
  }
  return key;
}

}  // namespace orv::project
