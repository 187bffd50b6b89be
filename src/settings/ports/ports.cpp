#include "settings/ports/ports.h"

#include "settings/ports/memory_ports.h"

namespace orv::settings {

namespace {

MemorySettingsStore defaultStore;
FixedSystemLanguage defaultLanguage;
RecordingMessages defaultMessages;
RecordingShell defaultShell;
FixedFolders defaultFolders;

SettingsStore* store = &defaultStore;
SystemLanguage* language = &defaultLanguage;
Messages* messages = &defaultMessages;
Shell* shell = &defaultShell;
Folders* folders = &defaultFolders;

template <typename T, typename D>
void Set(T*& slot, T* value, D& fallback) {
  slot = value ? value : &fallback;
}

}  // namespace

SettingsStore& GetSettingsStore() { return *store; }
SystemLanguage& GetSystemLanguage() { return *language; }
Messages& GetMessages() { return *messages; }
Shell& GetShell() { return *shell; }
Folders& GetFolders() { return *folders; }

void SetSettingsStore(SettingsStore* value) { Set<SettingsStore>(store, value, defaultStore); }
void SetSystemLanguage(SystemLanguage* value) { Set<SystemLanguage>(language, value, defaultLanguage); }
void SetMessages(Messages* value) { Set<Messages>(messages, value, defaultMessages); }
void SetShell(Shell* value) { Set<Shell>(shell, value, defaultShell); }
void SetFolders(Folders* value) { Set<Folders>(folders, value, defaultFolders); }

void ResetPorts() {
  SetSettingsStore(nullptr);
  SetSystemLanguage(nullptr);
  SetMessages(nullptr);
  SetShell(nullptr);
  SetFolders(nullptr);
}

}  // namespace orv::settings
