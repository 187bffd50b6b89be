#include "platform/win32/win32_ports.h"

#include "settings/ports/ports.h"

using namespace orv::settings;

namespace orv::platform {

Win32Ports::Win32Ports() {
  SetSettingsStore(&settingsStore_);
  SetSystemLanguage(&systemLanguage_);
  SetShell(&shell_);
  SetFolders(&folders_);
}

Win32Ports::~Win32Ports() { ResetPorts(); }

}  // namespace orv::platform
