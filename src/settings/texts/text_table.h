#pragma once

#include <span>

namespace orv::settings {

// One dictionary entry as a window registers it: key and "<English>;<Russian>".
struct TextEntry {
  const char* key;
  const char* text;
};

void RegisterTexts(std::span<const TextEntry> entries);

}  // namespace orv::settings
