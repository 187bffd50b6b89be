#include "settings/units.h"

#include <gtest/gtest.h>

#include <optional>

#include "settings_fixture.h"

using namespace orv::settings;

namespace {

class Units : public SettingsTest {};

struct UnitsStart {
  std::optional<std::string> stored;
  bool failReads;
  int index;
  double force;
  double stress;
  std::string written;
};

TEST_F(Units, StartUpReadsAndWritesBackTheUnits) {
  const UnitsStart cases[] = {
      {std::nullopt, false, 0, 1.0, 1.0, "0"}, {"0", false, 0, 1.0, 1.0, "0"},
      {"1", false, 1, 0.01, 10.0, "1"},        {"2", false, 2, 0.01, 10.0, "2"},
      {"N", false, 0, 1.0, 1.0, "0"},          {"1", true, 0, 1.0, 1.0, "0"},
  };
  for (const UnitsStart& c : cases) {
    store.values.clear();
    if (c.stored) store.values["Units"] = *c.stored;
    store.failReads = c.failReads;
    InitLocalization();
    std::string context = c.stored.value_or("(none)") + (c.failReads ? " / unreadable" : "");
    EXPECT_EQ(UnitsIndex(), c.index) << context;
    EXPECT_DOUBLE_EQ(ForceFactor(), c.force) << context;
    EXPECT_DOUBLE_EQ(StressFactor(), c.stress) << context;
    EXPECT_EQ(store.values["Units"], c.written) << context;
  }
}

TEST_F(Units, ConversionsOfTheDisplay) {
  InitLocalization();
  SetUnits(1);
  EXPECT_DOUBLE_EQ(8250 * ForceFactor(), 82.5);
  EXPECT_DOUBLE_EQ(82.5 / ForceFactor(), 8250);
  EXPECT_DOUBLE_EQ(8.43 * StressFactor(), 84.3);
  EXPECT_DOUBLE_EQ(1000 * ForceFactor(), 10);
  SetUnits(0);
  EXPECT_DOUBLE_EQ(8250 * ForceFactor(), 8250);
  EXPECT_DOUBLE_EQ(8.43 * StressFactor(), 8.43);
}

// The index follows the store at every read; the factors only at SetUnits.
TEST_F(Units, ReadUnitsSettingRefreshesTheIndexButNotTheFactors) {
  InitLocalization();
  store.values["Units"] = "1";
  EXPECT_EQ(ReadUnitsSetting(), 1);
  EXPECT_EQ(UnitsIndex(), 1);
  EXPECT_DOUBLE_EQ(ForceFactor(), 1.0);
  store.failReads = true;
  EXPECT_EQ(ReadUnitsSetting(), 1);
}

TEST_F(Units, SessionChoiceIsNeverStoredAndAnswersReads) {
  InitLocalization();
  SetUnitsForSession(1);
  EXPECT_EQ(store.values["Units"], "0");
  EXPECT_EQ(ReadUnitsSetting(), 1);
  EXPECT_DOUBLE_EQ(StressFactor(), 10.0);
  SetUnits(0);
  store.values["Units"] = "1";
  EXPECT_EQ(ReadUnitsSetting(), 1);
  EXPECT_DOUBLE_EQ(StressFactor(), 1.0);
}

TEST_F(Units, AWriteErrorSurfaces) {
  InitLocalization();
  store.failWrites = true;
  EXPECT_ANY_THROW(SetUnits(1));
}

}  // namespace
