#include "gui_test_ports.h"

#include "platform/file_dialogs.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"

using namespace orv::settings;
using namespace orv::platform;

void GuiTest::SetUp() {
  SetSettingsStore(&settings);
  SetMessages(&messages);
  SetFileDialogs(&fileDialogs);
  settings.values["Language"] = "0";
  settings.values["Units"] = "0";
  InitLocalization();
  RegisterAllTexts();
}

void GuiTest::TearDown() {
  FreeLocalization();
  ResetPorts();
  SetFileDialogs(nullptr);
}

void GuiTest::UseLanguage(int index) { SetLanguageForSession(index); }
