#pragma once

#include <string>
#include <vector>

#include "settings/ports/messages.h"

namespace orv::settings {

// A piece of a text kept as its dictionary key, so that whoever shows it
// picks the language: the key's text, then Argument as it stands (a number,
// a name, punctuation). An empty key gives the argument alone.
struct TTextPart {
  std::string Key;
  std::string Argument;
  bool operator==(const TTextPart&) const = default;
};

// A message box as the calculation would have shown it, kept until someone
// presents it (a box on the desktop, a line of the command line or report).
struct TLocalMessage {
  MessageKind Kind = MessageKind::Error;
  MessageButtons Buttons = MessageButtons::Ok;
  std::vector<TTextPart> Parts;
  bool operator==(const TLocalMessage&) const = default;
};

// The parts joined in `language` (0 English, 1 Russian).
std::string PartsText(const std::vector<TTextPart>& parts, int language);

// The message's text in `language`, or in the language in force.
std::string MessageText(const TLocalMessage& message, int language);
std::string MessageText(const TLocalMessage& message);

}  // namespace orv::settings
