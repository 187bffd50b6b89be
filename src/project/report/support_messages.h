#pragma once

#include <string>

#include "calc/pillar.h"
#include "settings/ports/messages.h"

// "Support 12 (АС 70/11): ", in the current language: what every message
// about one support starts with, so that among a thousand supports the user
// knows which one to correct.
std::string SupportMessagePrefix(const TPillar& support);

// While it lives, every message box shown names the support: it stands in
// for the messages port and hands each text on with the support's prefix.
class TSupportMessages : public Messages {
 public:
  explicit TSupportMessages(const TPillar& support);
  ~TSupportMessages() override;
  TSupportMessages(const TSupportMessages&) = delete;
  TSupportMessages& operator=(const TSupportMessages&) = delete;

  MessageAnswer Show(MessageKind kind, const std::string& text, MessageButtons buttons) override;

 private:
  Messages& outer_;
  std::string prefix_;
};
