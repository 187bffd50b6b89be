#include "xls/internal/xls_string.h"

#include <algorithm>

namespace xls {

std::u16string ReadXlsString(ByteReader& in, bool short_count) {
  std::size_t count = short_count ? in.U8() : in.U16();
  std::uint8_t flags = in.U8();
  std::size_t runs = (flags & 0x08) ? in.U16() : 0;
  std::size_t extra = (flags & 0x04) ? in.U32() : 0;
  std::u16string text;
  std::string_view bytes = in.Bytes((flags & 0x01) ? 2 * count : count);
  text.reserve(count);
  for (std::size_t i = 0; i < count; ++i)
    text.push_back((flags & 0x01) ? GetU16(bytes, 2 * i) : static_cast<std::uint8_t>(bytes[i]));
  in.Skip(4 * runs);
  in.Skip(extra);
  return text;
}

bool FitsCompressed(std::u16string_view text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x100; });
}

void AppendXlsString(std::string& out, std::u16string_view text, bool short_count) {
  if (short_count)
    AppendU8(out, static_cast<std::uint8_t>(text.size()));
  else
    AppendU16(out, static_cast<std::uint16_t>(text.size()));
  bool compressed = FitsCompressed(text);
  AppendU8(out, compressed ? 0 : 1);
  for (char16_t c : text) {
    if (compressed)
      AppendU8(out, static_cast<std::uint8_t>(c));
    else
      AppendU16(out, c);
  }
}

}  // namespace xls
