#pragma once

// The title of plain message boxes and the tail of the main window's caption.
inline constexpr const char* kApplicationTitle = "Orvane";
