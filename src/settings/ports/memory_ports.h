#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "settings/ports/ports.h"

namespace orv::settings {

// In-memory stand-ins for the ports: used before a front end sets its own,
// and by tests, which inspect what was recorded and script the answers.

class MemorySettingsStore : public SettingsStore {
 public:
  std::optional<std::string> ReadString(const std::string& name) override;
  void WriteString(const std::string& name, const std::string& value) override;

  std::map<std::string, std::string> values;
  bool failReads = false;   // every read throws
  bool failWrites = false;  // every write throws
};

class FixedSystemLanguage : public SystemLanguage {
 public:
  std::string DefaultLanguageName() override { return name; }
  std::string name = "English (United States)";
};

struct RecordedMessage {
  MessageKind kind;
  std::string text;
  MessageButtons buttons;
};

class RecordingMessages : public Messages {
 public:
  MessageAnswer Show(MessageKind kind, const std::string& text, MessageButtons buttons) override;

  std::vector<RecordedMessage> shown;
  // Answers to the next Yes/No questions, first first; when empty, Yes.
  std::deque<MessageAnswer> answers;
};

class RecordingShell : public Shell {
 public:
  void OpenDocument(const std::string& path) override { opened.push_back(path); }
  // Non-empty: every opening fails for this reason.
  bool TryOpenDocument(const std::string& path, std::string& why) override {
    opened.push_back(path);
    why = refusal;
    return refusal.empty();
  }
  std::vector<std::string> opened;
  std::string refusal;
};

class FixedFolders : public Folders {
 public:
  std::string ProgramFolder() override { return programFolder; }
  std::string SharedDataFolder() override { return sharedDataFolder; }
  std::string programFolder;
  std::string sharedDataFolder;
};

}  // namespace orv::settings
