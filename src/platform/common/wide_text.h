#pragma once

#ifdef _WIN32
#include <string>
#include <string_view>

namespace orv::platform {

// Windows holds its texts in UTF-16, the program in UTF-8. Invalid sequences
// become U+FFFD.
std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);

}  // namespace orv::platform
#endif
