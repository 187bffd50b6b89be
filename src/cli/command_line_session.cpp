#include "cli/command_line_session.h"

#include "cli/session_settings_store.h"
#include "platform/qt_folders.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_shell.h"
#include "platform/qt_system_language.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"
#include "settings/units.h"

struct CommandLineSession::State {
  explicit State(std::ostream& err) : settings(stored), messages(err) {}
  QtSettingsStore stored;
  SessionSettingsStore settings;
  QtSystemLanguage language;
  CommandLineMessages messages;
  QtShell shell;
  QtFolders folders;
};

CommandLineSession::CommandLineSession(const CliOptions& options, std::ostream& err)
    : state_(std::make_unique<State>(err)) {
  SetSettingsStore(&state_->settings);
  SetSystemLanguage(&state_->language);
  SetMessages(&state_->messages);
  SetShell(&state_->shell);
  SetFolders(&state_->folders);
  InitLocalization();
  RegisterAllTexts();
  if (options.language) SetLanguageForSession(*options.language);
  if (options.units) SetUnitsForSession(*options.units);
}

CommandLineSession::~CommandLineSession() {
  FreeLocalization();
  ResetPorts();
}

CommandLineMessages& CommandLineSession::Messages() { return state_->messages; }
