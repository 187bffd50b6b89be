#include "base/text_excerpt.h"

#include "base/utf8.h"

namespace orv::base {

namespace {

void AppendHex(std::string& out, const char* prefix, unsigned value, int digits) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += prefix;
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kHex[(value >> shift) & 0xF];
}

}  // namespace

std::string TextExcerpt(std::string_view text, std::size_t characters) {
  std::string out;
  std::size_t position = 0;
  for (std::size_t count = 0; position < text.size(); ++count) {
    if (count == characters) return out + "...";
    char32_t code = 0;
    if (!NextCodePoint(text, position, code)) {
      AppendHex(out, "\\x", static_cast<unsigned char>(text[position++]), 2);
    } else if (code < 0x20 || code == 0x7F) {
      AppendHex(out, "\\x", static_cast<unsigned>(code), 2);
    } else if (code >= 0x80 && code < 0xA0) {
      AppendHex(out, "\\u", static_cast<unsigned>(code), 4);
    } else {
      AppendUtf8(out, code);
    }
  }
  return out;
}

}  // namespace orv::base
