#pragma once

#include "platform/qt_file_dialogs.h"
#include "platform/qt_folders.h"
#include "platform/qt_messages.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_shell.h"
#include "platform/qt_system_language.h"

namespace orv::platform {

// The desktop program's ports, installed for as long as this object lives;
// destroying it puts the in-memory stand-ins back.
class QtPorts {
 public:
  QtPorts();
  ~QtPorts();
  QtPorts(const QtPorts&) = delete;
  QtPorts& operator=(const QtPorts&) = delete;

 private:
  QtSettingsStore settingsStore_;
  QtSystemLanguage systemLanguage_;
  QtMessages messages_;
  QtShell shell_;
  QtFolders folders_;
  QtFileDialogs fileDialogs_;
};

}  // namespace orv::platform
