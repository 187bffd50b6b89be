#pragma once

#include <cstdint>

#include "base/atomic_file.h"

namespace orv::project {

// The largest files the program reads, far above any real one (a project of a
// thousand supports is about 150 KB, the shipped catalogue about 10 KB): a
// larger file is refused before it is read, so a wrong or damaged file cannot
// take the computer's memory. The README and the manuals state them.
inline constexpr std::uintmax_t kProjectFileLimit = 64 * base::kMebibyte;
inline constexpr std::uintmax_t kCatalogueFileLimit = 16 * base::kMebibyte;
inline constexpr std::uintmax_t kExchangeTextLimit = 16 * base::kMebibyte;
inline constexpr std::uintmax_t kDastrelFileLimit = 64 * base::kMebibyte;

}  // namespace orv::project
