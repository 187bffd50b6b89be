#pragma once

namespace orv::ui {

// The program's version in hundredths: 180 is version 1.8.
inline constexpr int VersionNumber = 180;

}  // namespace orv::ui
