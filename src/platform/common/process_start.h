#pragma once

#include <optional>

namespace orv::platform {

// Seconds since the system started this process, when the system tells
// (Linux); nullopt elsewhere.
std::optional<double> SecondsSinceProcessStart();

}  // namespace orv::platform
