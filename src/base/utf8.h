#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orv::base {

// Reads the code point that starts at `position` and moves past it. Returns
// false, leaving `position` alone, for a malformed, overlong or surrogate
// sequence or at the end of the text.
bool NextCodePoint(std::string_view text, std::size_t& position, char32_t& codePoint);

void AppendUtf8(std::string& text, char32_t codePoint);

// The text with every byte that is not part of a UTF-8 character replaced by
// U+FFFD: a file name the system gives in another encoding can then still be
// shown and stored.
std::string ValidUtf8(std::string_view text);

}  // namespace orv::base
