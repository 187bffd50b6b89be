#pragma once

#include <gtest/gtest.h>

#include "calc/klimat.h"
#include "calc/klimat_koef.h"
#include "calc/pillar.h"
#include "calc/wire_record.h"
#include "settings/local_message.h"
#include "settings/ports/memory_ports.h"

// The 8.4 mm wire of 43 mm² with the climate of the worked example: ice
// 5 mm, winds 25 and 12.5 m/s, all coefficients 1, wire height 15 m, terrain A.
orv::calc::TWireRecord ExampleWire();
orv::calc::TKlimat ExampleKlimat();
// The example support: spans 200 m, level attachments, no turn, stresses 12
// and 8, dampers of 5 kg, a 50 kg string, angles 45°, 10° and 60°.
orv::calc::TPillar ExampleSupport();

// Records the boxes in English; the ports are reset afterwards.
class CalcTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void UseRussian();
  // Shows the kept boxes through the recording port, as the desktop would.
  void Present(const std::vector<orv::settings::TLocalMessage>& kept);

  orv::settings::RecordingMessages messages;
};
