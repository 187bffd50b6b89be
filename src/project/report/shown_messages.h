#pragma once

#include <string>
#include <vector>

#include "settings/ports/messages.h"

// While it lives, it stands in the messages port: every box still reaches
// the port that was there before, and its text is kept, so the report can
// print on the sheet why a support's calculation gave no result.
class TShownMessages : public Messages {
 public:
  TShownMessages();
  ~TShownMessages() override;
  TShownMessages(const TShownMessages&) = delete;
  TShownMessages& operator=(const TShownMessages&) = delete;

  MessageAnswer Show(MessageKind kind, const std::string& text, MessageButtons buttons) override;
  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  Messages& previous_;
  std::vector<std::string> texts_;
};
