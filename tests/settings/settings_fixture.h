#pragma once

#include <gtest/gtest.h>

#include "settings/localization.h"
#include "settings/ports/memory_ports.h"
#include "settings/ports/ports.h"
#include "settings/units.h"

// Fresh settings store, system language and shell for each test; the
// dictionary and the ports are released afterwards.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    orv::settings::SetSettingsStore(&store);
    orv::settings::SetSystemLanguage(&system);
    orv::settings::SetShell(&shell);
  }
  void TearDown() override {
    orv::settings::FreeLocalization();
    orv::settings::ResetUnits();
    orv::settings::ResetPorts();
  }

  orv::settings::MemorySettingsStore store;
  orv::settings::FixedSystemLanguage system;
  orv::settings::RecordingShell shell;
};
