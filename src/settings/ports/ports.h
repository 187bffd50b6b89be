#pragma once

#include "settings/ports/folders.h"
#include "settings/ports/messages.h"
#include "settings/ports/settings_store.h"
#include "settings/ports/shell.h"
#include "settings/ports/system_language.h"

namespace orv::settings {

// The process-wide ports. Each starts as an in-memory stand-in (see
// memory_ports.h) until the desktop program, the command line or a test sets
// its own; the setters do not take ownership.
SettingsStore& GetSettingsStore();
SystemLanguage& GetSystemLanguage();
Messages& GetMessages();
Shell& GetShell();
Folders& GetFolders();

void SetSettingsStore(SettingsStore* store);
void SetSystemLanguage(SystemLanguage* language);
void SetMessages(Messages* messages);
void SetShell(Shell* shell);
void SetFolders(Folders* folders);

// Sets every port back to its in-memory stand-in.
void ResetPorts();

}  // namespace orv::settings
