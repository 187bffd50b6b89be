#pragma once

#include <filesystem>

// Temporary files of the atomic writer: ".orvane-<tag>.<random>.tmp" beside
// the target, short whatever the target's name (a legal name of 255 bytes
// still gets one), recognisable, and tied to the target by its tag, a hash
// of the target's name.

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target);

// Removes the temporary files of this target that earlier writes left behind
// (a killed run); failures are ignored, as the write itself has succeeded.
void RemoveStaleTemporaries(const std::filesystem::path& target);
