#include "platform/win32/win32_ports.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "settings/ports/ports.h"

namespace {

void UseUtf8Console() {
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace

Win32Ports::Win32Ports() {
  UseUtf8Console();
  SetSettingsStore(&settingsStore_);
  SetSystemLanguage(&systemLanguage_);
  SetShell(&shell_);
  SetFolders(&folders_);
}

Win32Ports::~Win32Ports() { ResetPorts(); }
