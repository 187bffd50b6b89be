#include "settings/texts/text_table.h"

#include "settings/localization.h"

namespace orv::settings {

void RegisterTexts(std::span<const TextEntry> entries) {
  for (const TextEntry& entry : entries) RegisterText(entry.key, entry.text);
}

}  // namespace orv::settings
