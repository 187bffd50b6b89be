#pragma once

#include <optional>

// Seconds since the system started this process, when the system tells
// (Linux); nullopt elsewhere.
std::optional<double> SecondsSinceProcessStart();
