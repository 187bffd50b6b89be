#pragma once

#include <string>

namespace orv::calc {

// What a verdict tells the designer to hang at the support, as a short
// dictionary key ("Hang_4_dampers", "Hang_BL100_50", ...) for tables that
// have no room for the verdict's sentence; "" for a verdict that names no
// hardware ("Data_error").
std::string HangingKey(const std::string& verdictKey);

}  // namespace orv::calc
