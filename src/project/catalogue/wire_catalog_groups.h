#pragma once

#include <string>

namespace orv::project {

// The group list of the catalogue: index 0 stands for the whole catalogue,
// 1 to 7 for the groups a wire record names.
inline constexpr int kWireGroupListSize = 8;
inline constexpr int kWireGroupOthers = 7;

// The entry's text in the current language; empty outside 0 to 7. These texts
// are part of the program, not of the dictionary.
std::string WireGroupName(int index);

}  // namespace orv::project
