#include "settings/local_message.h"

#include "settings/localization.h"

namespace orv::settings {

std::string PartsText(const std::vector<TTextPart>& parts, int language) {
  std::string text;
  for (const TTextPart& part : parts) {
    if (!part.Key.empty()) text += TextIn(part.Key, language);
    text += part.Argument;
  }
  return text;
}

std::string MessageText(const TLocalMessage& message, int language) {
  return PartsText(message.Parts, language);
}

std::string MessageText(const TLocalMessage& message) { return MessageText(message, LanguageIndex()); }

}  // namespace orv::settings
