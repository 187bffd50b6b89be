#pragma once

#include <string>
#include <string_view>

#include "xls/internal/byte_reader.h"

namespace xls {

// The unicode strings of BIFF8 records: a character count of one or two
// bytes, an option byte, then 8-bit (compressed) or UTF-16LE characters.
std::u16string ReadXlsString(ByteReader& in, bool short_count);
// Written compressed when every character is below 256, else as UTF-16LE.
void AppendXlsString(std::string& out, std::u16string_view text, bool short_count);
bool FitsCompressed(std::u16string_view text);

}  // namespace xls
