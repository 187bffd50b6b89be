#include "project/report/shown_messages.h"

#include "settings/ports/ports.h"

TShownMessages::TShownMessages() : previous_(GetMessages()) { SetMessages(this); }

TShownMessages::~TShownMessages() { SetMessages(&previous_); }

MessageAnswer TShownMessages::Show(MessageKind kind, const std::string& text, MessageButtons buttons) {
  texts_.push_back(text);
  return previous_.Show(kind, text, buttons);
}
