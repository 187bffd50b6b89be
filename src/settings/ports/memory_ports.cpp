#include "settings/ports/memory_ports.h"

#include <stdexcept>

namespace orv::settings {

std::optional<std::string> MemorySettingsStore::ReadString(const std::string& name) {
  if (failReads) throw std::runtime_error("Failed to get data for '" + name + "'");
  auto it = values.find(name);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

void MemorySettingsStore::WriteString(const std::string& name, const std::string& value) {
  if (failWrites) throw std::runtime_error("Failed to set data for '" + name + "'");
  values[name] = value;
}

MessageAnswer RecordingMessages::Show(MessageKind kind, const std::string& text, MessageButtons buttons) {
  shown.push_back({kind, text, buttons});
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (buttons == MessageButtons::Yes || answers.empty()) return MessageAnswer::Yes;
  MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace orv::settings
