#pragma once

#include <string>

namespace orv::cli {

// Writes `text` to standard output and flushes it. Throws OrvError naming the
// output and the reason when either fails (a full disk, /dev/full, a closed
// pipe), so that a command never ends in success on output that was not
// written.
void WriteStandardOutput(const std::string& text);

}  // namespace orv::cli
