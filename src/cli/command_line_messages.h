#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "base/text_utils.h"
#include "settings/ports/messages.h"

namespace orv::cli {

// The boxes of the desktop program as lines on stderr: "warning: ",
// "error: " or "info: " and the text with its line breaks turned into
// blanks. A question is answered Yes, as there is nobody to ask. Every text
// shown since the last TakeShown is kept, so a command can also put the
// messages of one support into its own output.
class CommandLineMessages : public settings::Messages {
 public:
  explicit CommandLineMessages(std::ostream& out);
  settings::MessageAnswer Show(settings::MessageKind kind, const std::string& text, settings::MessageButtons buttons) override;
  // Prints a line as Show does, without keeping the text.
  void Print(settings::MessageKind kind, const std::string& text);
  // The texts shown since the last call, as the boxes held them.
  std::vector<std::string> TakeShown();
  // Put before every printed text until changed, to say what it is about
  // ("support 3 \"12\": "); empty for none.
  void SetContext(std::string context) { context_ = std::move(context); }

 private:
  std::ostream& out_;
  std::vector<std::string> shown_;
  std::string context_;
};

// "error: " and the text on one line, line breaks (CR LF, CR or LF) turned
// into single blanks.
std::string MessageLine(settings::MessageKind kind, const std::string& text);

}  // namespace orv::cli
