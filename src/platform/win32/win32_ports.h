#pragma once

#include "platform/common/utf8_console.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_settings_store.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_language.h"

namespace orv::platform {

// The command line's ports on Windows without Qt, installed for as long as
// this object lives. Messages go to stderr through the command line's own
// port; the console is switched to UTF-8 and its streams to binary, so the
// output holds the same bytes as on any other system.
class Win32Ports {
 public:
  Win32Ports();
  ~Win32Ports();
  Win32Ports(const Win32Ports&) = delete;
  Win32Ports& operator=(const Win32Ports&) = delete;

 private:
  TUtf8Console console_;
  Win32SettingsStore settingsStore_;
  Win32SystemLanguage systemLanguage_;
  Win32Shell shell_;
  Win32Folders folders_;
};

}  // namespace orv::platform
