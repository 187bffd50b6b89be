#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orv::base {

// Texts live in memory as UTF-8 and on disk as Windows-1251.

// Every byte maps to a character; the one unassigned byte (0x98) maps to
// U+0098 as the system's own conversion does, so every byte round-trips.
std::string Cp1251ToUtf8(std::string_view bytes);

// Throws OrvError naming the first character Windows-1251 cannot hold, and
// for text that is not valid UTF-8. Never substitutes "?".
std::string Utf8ToCp1251(std::string_view utf8);

bool FitsCp1251(std::string_view utf8);

// Number of characters (code points); for the 6- and 16-character limits.
std::size_t Utf8Length(std::string_view utf8);

// The first `chars` characters, never cutting a character in two.
std::string Utf8Left(std::string_view utf8, std::size_t chars);

}  // namespace orv::base
