#pragma once

#include <cstdint>
#include <string>

namespace orv::project::detail {

// The heights line of the project and Dastrel files: WireHeight, optionally
// ";" and SupportHeight. The characters before the first ";" give the first
// value, every later character other than ";" the second; an empty part
// gives 15. "20;25" -> 20, 25; "20" -> 20, 15; ";25" -> 15, 25; "" -> 15, 15.
// A part that is not an integer throws the conversion error.
void ReadHeightsLine(const std::string& line, int32_t& wireHeight, int32_t& supportHeight);

}  // namespace orv::project::detail
