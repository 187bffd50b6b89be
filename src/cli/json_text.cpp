#include "cli/json_text.h"

#include <charconv>
#include <cmath>

#include "base/utf8.h"

using namespace orv::base;

namespace orv::cli {

namespace {

void AppendEscaped(std::string& out, char32_t codePoint) {
  switch (codePoint) {
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    case '\b':
      out += "\\b";
      return;
    case '\f':
      out += "\\f";
      return;
    default:
      break;
  }
  if (codePoint < 0x20) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\u00";
    out += kHex[codePoint >> 4];
    out += kHex[codePoint & 0xF];
    return;
  }
  AppendUtf8(out, codePoint);
}

// Printable ASCII other than the quote and the backslash stands as it is.
bool Plain(char c) { return c >= 0x20 && c < 0x7F && c != '"' && c != '\\'; }

}  // namespace

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  out.reserve(utf8.size() + 2);
  size_t position = 0;
  while (position < utf8.size()) {
    if (Plain(utf8[position])) {
      out += utf8[position++];
      continue;
    }
    char32_t codePoint = 0;
    if (!NextCodePoint(utf8, position, codePoint)) {
      codePoint = 0xFFFD;
      ++position;
    }
    AppendEscaped(out, codePoint);
  }
  out += '"';
  return out;
}

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string JsonOptionalNumber(const std::optional<double>& value) {
  return value ? JsonNumber(*value) : "null";
}

std::string JsonOptionalString(const std::optional<std::string>& utf8) {
  return utf8 ? JsonString(*utf8) : "null";
}

}  // namespace orv::cli
