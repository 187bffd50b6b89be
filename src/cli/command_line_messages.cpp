#include "cli/command_line_messages.h"

#include <utility>

namespace {

const char* Prefix(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning:
      return "warning: ";
    case MessageKind::Error:
      return "error: ";
    case MessageKind::Information:
      return "info: ";
  }
  return "info: ";
}

}  // namespace

std::string OnOneLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    line += (c == '\r' || c == '\n') ? ' ' : c;
  }
  return line;
}

std::string MessageLine(MessageKind kind, const std::string& text) { return Prefix(kind) + OnOneLine(text); }

CommandLineMessages::CommandLineMessages(std::ostream& out) : out_(out) {}

MessageAnswer CommandLineMessages::Show(MessageKind kind, const std::string& text, MessageButtons buttons) {
  Print(kind, text);
  shown_.push_back(text);
  return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
}

std::vector<std::string> CommandLineMessages::TakeShown() { return std::exchange(shown_, {}); }

void CommandLineMessages::Print(MessageKind kind, const std::string& text) {
  out_ << MessageLine(kind, context_ + text) << '\n';
  out_.flush();
}
