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
    SetSettingsStore(&store);
    SetSystemLanguage(&system);
    SetShell(&shell);
  }
  void TearDown() override {
    FreeLocalization();
    ResetUnits();
    ResetPorts();
  }

  MemorySettingsStore store;
  FixedSystemLanguage system;
  RecordingShell shell;
};
