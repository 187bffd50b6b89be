#include "base/utf8.h"

namespace orv::base {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Sequence length announced by a lead byte and its payload bits; 0 for a
// byte that cannot start a sequence.
std::size_t SequenceLength(unsigned char lead, char32_t& bits) {
  if (lead < 0x80) return bits = lead, 1;
  if ((lead & 0xE0) == 0xC0) return bits = lead & 0x1F, 2;
  if ((lead & 0xF0) == 0xE0) return bits = lead & 0x0F, 3;
  if ((lead & 0xF8) == 0xF0) return bits = lead & 0x07, 4;
  return 0;
}

bool IsShortestForm(char32_t codePoint, std::size_t length) {
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  return codePoint >= kSmallest[length];
}

}  // namespace

bool NextCodePoint(std::string_view text, std::size_t& position, char32_t& codePoint) {
  if (position >= text.size()) return false;
  char32_t value = 0;
  std::size_t length = SequenceLength(static_cast<unsigned char>(text[position]), value);
  if (length == 0 || position + length > text.size()) return false;
  for (std::size_t i = 1; i < length; ++i) {
    unsigned char byte = static_cast<unsigned char>(text[position + i]);
    if (!IsContinuation(byte)) return false;
    value = (value << 6) | (byte & 0x3F);
  }
  if (!IsShortestForm(value, length) || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
    return false;
  codePoint = value;
  position += length;
  return true;
}

void AppendUtf8(std::string& text, char32_t codePoint) {
  if (codePoint < 0x80) {
    text += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    text += static_cast<char>(0xC0 | (codePoint >> 6));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    text += static_cast<char>(0xE0 | (codePoint >> 12));
    text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (codePoint >> 18));
    text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

std::string ValidUtf8(std::string_view text) {
  std::string valid;
  valid.reserve(text.size());
  for (std::size_t position = 0; position < text.size();) {
    const std::size_t start = position;
    char32_t code = 0;
    if (NextCodePoint(text, position, code)) {
      valid.append(text.substr(start, position - start));
    } else {
      AppendUtf8(valid, 0xFFFD);
      ++position;
    }
  }
  return valid;
}

}  // namespace orv::base
