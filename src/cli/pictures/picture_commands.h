#pragma once

namespace orv::cli {

// Adds `orvane diagram` and `orvane profile`, which draw with Qt, to the
// command line.
void AddPictureCommands();

}  // namespace orv::cli
