#include "base/cp1251.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "base/errors.h"
#include "base/utf8.h"

namespace orv::base {

namespace {

// Code points of the bytes 0x80 to 0xFF. The byte 0x98 has no character in
// Windows-1251; like the system's own conversion it maps to U+0098, so every
// byte survives a round trip.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// The byte for a code point, or -1 when Windows-1251 has none.
int ByteFor(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<int>(codePoint);
  auto it = std::find(kHighHalf.begin(), kHighHalf.end(), codePoint);
  return it == kHighHalf.end() ? -1 : 0x80 + static_cast<int>(it - kHighHalf.begin());
}

std::string CodePointName(char32_t codePoint) {
  char digits[8];
  auto end = std::to_chars(digits, digits + sizeof digits, static_cast<unsigned>(codePoint), 16).ptr;
  std::string hex(digits, end);
  std::transform(hex.begin(), hex.end(), hex.begin(),
                 [](char c) { return c >= 'a' ? char(c - 'a' + 'A') : c; });
  return "U+" + std::string(hex.size() < 4 ? 4 - hex.size() : 0, '0') + hex;
}

[[noreturn]] void ThrowUnencodable(char32_t codePoint) {
  std::string character;
  AppendUtf8(character, codePoint);
  throw OrvError("The character \"" + character + "\" (" + CodePointName(codePoint) +
                 ") cannot be stored in the Windows-1251 code page.");
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
  // Numbers and most lines of a file are ASCII, which both encodings share.
  if (std::all_of(bytes.begin(), bytes.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; }))
    return std::string(bytes);
  std::string text;
  text.reserve(bytes.size());
  for (char byte : bytes) {
    unsigned char b = static_cast<unsigned char>(byte);
    if (b < 0x80)
      text += byte;
    else
      AppendUtf8(text, kHighHalf[b - 0x80]);
  }
  return text;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  std::size_t position = 0;
  char32_t codePoint = 0;
  while (position < utf8.size()) {
    if (!NextCodePoint(utf8, position, codePoint)) throw OrvError("The text is not valid UTF-8.");
    int byte = ByteFor(codePoint);
    if (byte < 0) ThrowUnencodable(codePoint);
    bytes += static_cast<char>(byte);
  }
  return bytes;
}

bool FitsCp1251(std::string_view utf8) {
  try {
    Utf8ToCp1251(utf8);
    return true;
  } catch (const OrvError&) {
    return false;
  }
}

std::size_t Utf8Length(std::string_view utf8) {
  return std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; });
}

std::string Utf8Left(std::string_view utf8, std::size_t chars) {
  std::size_t end = 0;
  for (std::size_t seen = 0; end < utf8.size(); ++end) {
    if ((utf8[end] & 0xC0) != 0x80 && seen++ == chars) break;
  }
  return std::string(utf8.substr(0, end));
}

}  // namespace orv::base
