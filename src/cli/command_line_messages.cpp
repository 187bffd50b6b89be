#include "cli/command_line_messages.h"

#include <utility>

using namespace orv::base;
using namespace orv::settings;

namespace orv::cli {

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

}  // namespace orv::cli
