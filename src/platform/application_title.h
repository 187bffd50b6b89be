#pragma once

namespace orv::platform {

// The title of plain message boxes and the tail of the main window's caption.
inline constexpr const char* kApplicationTitle = "Orvane";

}  // namespace orv::platform
