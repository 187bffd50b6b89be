#include "platform/qt_ports.h"

#include "settings/ports/ports.h"

using namespace orv::settings;

namespace orv::platform {

QtPorts::QtPorts() {
  SetSettingsStore(&settingsStore_);
  SetSystemLanguage(&systemLanguage_);
  SetMessages(&messages_);
  SetShell(&shell_);
  SetFolders(&folders_);
  SetFileDialogs(&fileDialogs_);
}

QtPorts::~QtPorts() {
  ResetPorts();
  SetFileDialogs(nullptr);
}

}  // namespace orv::platform
