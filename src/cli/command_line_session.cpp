#include "cli/command_line_session.h"

#include "cli/session_settings_store.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"
#include "settings/units.h"

using namespace orv::settings;

namespace orv::cli {

// The session stands in front of the ports the executable installed for its
// system (settings store, system language, shell, folders) and puts them back
// when it ends.
struct CommandLineSession::State {
  explicit State(std::ostream& err) : settings(stored), messages(err) {}
  SettingsStore& stored = GetSettingsStore();
  ::Messages& shownBefore = GetMessages();
  SessionSettingsStore settings;
  CommandLineMessages messages;
};

CommandLineSession::CommandLineSession(const CliOptions& options, std::ostream& err)
    : state_(std::make_unique<State>(err)) {
  SetSettingsStore(&state_->settings);
  SetMessages(&state_->messages);
  InitLocalization();
  RegisterAllTexts();
  if (options.language) SetLanguageForSession(*options.language);
  if (options.units) SetUnitsForSession(*options.units);
}

CommandLineSession::~CommandLineSession() {
  FreeLocalization();
  SetSettingsStore(&state_->stored);
  SetMessages(&state_->shownBefore);
}

CommandLineMessages& CommandLineSession::Messages() { return state_->messages; }

}  // namespace orv::cli
