#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orv::cli {

// A JSON string literal with its quotes. Quotes, backslashes and control
// characters are escaped; bytes that are not UTF-8 (a file name from the
// system, say) become U+FFFD, so the output is always valid JSON.
std::string JsonString(std::string_view utf8);

// The shortest text that reads back as exactly the same double; "null" for a
// value that is not finite (JSON has no form for it).
std::string JsonNumber(double value);

std::string JsonOptionalNumber(const std::optional<double>& value);
std::string JsonOptionalString(const std::optional<std::string>& utf8);

}  // namespace orv::cli
