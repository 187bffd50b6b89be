#pragma once

#include <gtest/gtest.h>

#include "platform/scripted_file_dialogs.h"
#include "settings/ports/memory_ports.h"

// A fixture for tests of windows: in-memory settings (never the user's),
// recorded messages and scripted file dialogs, all installed before each
// test and taken away after it. The dictionary starts afresh in English with
// every window's entries; UseLanguage switches without touching the settings.
class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Language 0 English, 1 Russian, for this run only.
  void UseLanguage(int index);

  orv::settings::MemorySettingsStore settings;
  orv::settings::RecordingMessages messages;
  orv::platform::ScriptedFileDialogs fileDialogs;
};
