#pragma once

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace orv::base {

// Temporary files of the atomic writer: ".orvane-<tag>.<random>.tmp" beside
// the target, short whatever the target's name (a legal name of 255 bytes
// still gets one), recognisable, and tied to the target by its tag, a hash
// of the target's name.

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target);

// Marks an open temporary file as being written, until it is closed, so that
// no other run removes it meanwhile: an advisory lock where the system has
// them; on Windows an open file cannot be removed anyway.
void HoldWhileWriting(std::FILE* file);

// A temporary file is stale beyond doubt when it was last written this long
// ago and no run holds it: one being written is held, and one written
// completely is renamed within moments.
inline constexpr std::chrono::minutes kStaleTemporaryAge{10};

// Removes the stale temporary files of this target that a killed run left
// behind; failures are ignored, as the write itself has succeeded.
void RemoveStaleTemporaries(const std::filesystem::path& target);

// The same for every target in `folder`: done at start for the folder of the
// wire catalogue.
void RemoveStaleTemporariesIn(const std::filesystem::path& folder);

}  // namespace orv::base
