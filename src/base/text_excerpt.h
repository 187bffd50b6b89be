#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orv::base {

// File content as a message may quote it: at most `characters` characters
// ("..." marks a cut), every control character, NUL included, written as
// \xNN (C1 controls as \u00NN) and every byte that is not UTF-8 as \xNN, so a
// file can neither flood a message nor send escape sequences to a terminal.
std::string TextExcerpt(std::string_view text, std::size_t characters = 40);

}  // namespace orv::base
