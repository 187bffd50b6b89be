#include "project/report/support_messages.h"

#include "base/text_excerpt.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"

std::string SupportMessagePrefix(const TPillar& support) {
  std::string prefix = LocalText("Support") + " " + TextExcerpt(support.SupportNumber);
  if (!support.WireName.empty()) prefix += " (" + TextExcerpt(support.WireName) + ")";
  return prefix + ": ";
}

TSupportMessages::TSupportMessages(const TPillar& support)
    : outer_(GetMessages()), prefix_(SupportMessagePrefix(support)) {
  SetMessages(this);
}

TSupportMessages::~TSupportMessages() { SetMessages(&outer_); }

MessageAnswer TSupportMessages::Show(MessageKind kind, const std::string& text, MessageButtons buttons) {
  return outer_.Show(kind, prefix_ + text, buttons);
}
