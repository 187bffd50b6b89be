#include <gtest/gtest.h>

#include <string>

#include "project/catalogue/wires_list.h"
#include "base/errors.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "project/test_catalog_support.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;

namespace {

TWiresList ListOf(const std::vector<TWireRecord>& records) {
  TWiresList list;
  for (const TWireRecord& record : records) list.Add(record);
  return list;
}

TEST(WiresList, LookupsMatchEveryByteAndTakeTheFirst) {
  const TWiresList list = ListOf({Wire(1, "AC 70/11", 11.4), Wire(2, "АС 70/11", 11.5),
                                  Wire(3, "ас 70/11", 11.6), Wire(4, "АС 70/11", 99), Wire(5, "", 1)});
  const struct {
    std::string name;
    int index;
  } cases[] = {
      {"AC 70/11", 0},    // Latin A and C
      {"АС 70/11", 1},    // Cyrillic, first of two
      {"ас 70/11", 2},    // case counts
      {"АС 70/11 ", -1},  // a trailing blank counts
      {"АС 70", -1},      // a prefix is not a match
      {"", 4},           {"Ас 70/11", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(list.IndexOf(c.name), c.index);
    const TWireRecord found = list.FindByName(c.name);
    if (c.index < 0) {
      EXPECT_EQ(found.WireName, "");
    } else {
      EXPECT_TRUE(found.Equals(list.Items(c.index)));
    }
  }
}

TEST(WiresList, CountsGroupsExactly) {
  const TWiresList list =
      ListOf({Wire(1, "a"), Wire(1, "b"), Wire(7, "c"), Wire(0, "d"), Wire(12, "e"), Wire(-1, "f")});
  const struct {
    int group;
    int count;
  } cases[] = {{0, 1}, {1, 2}, {2, 0}, {7, 1}, {12, 1}, {-1, 1}, {8, 0}};
  for (const auto& c : cases) EXPECT_EQ(list.CountInGroup(c.group), c.count) << c.group;
}

TEST(WiresList, AddDeleteAndClearKeepTheOrder) {
  TWiresList list = ListOf({Wire(1, "a"), Wire(1, "b"), Wire(1, "c")});
  EXPECT_EQ(list.Add(Wire(1, "d")), 3);
  list.Item(3).WireDiameter = 7;  // the window's edit in place
  EXPECT_EQ(list.FindByName("d").WireDiameter, 7);
  list.Delete(1);
  EXPECT_EQ(Names(list.Records()), (std::vector<std::string>{"a", "c", "d"}));
  for (int bad : {-1, 3}) {
    EXPECT_THROW(list.Items(bad), OrvError) << bad;
    EXPECT_THROW(list.Delete(bad), OrvError) << bad;
  }
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

class WireGroupNames : public ::testing::Test {
 protected:
  void TearDown() override {
    SetLanguageForSession(0);
    ResetPorts();
  }
};

TEST_F(WireGroupNames, EachLanguageShowsItsOwnTexts) {
  const struct {
    int index;
    const char* english;
    const char* russian;
  } cases[] = {
      {0, "Reference fully", "Справочник полностью"},
      {1, "Wires according to National Standard 839-80*Е", "Провода ГОСТ 839-80*Е"},
      {3, "Wires according to Technical Conditions 16-707.183-81", "Провода ТУ 16-705.183-81"},
      {7, "Others", "Прочие"},
      {8, "", ""},
      {-1, "", ""},
  };
  for (const auto& c : cases) {
    SetLanguageForSession(0);
    EXPECT_EQ(TWiresList::GroupName(c.index), c.english) << c.index;
    SetLanguageForSession(1);
    EXPECT_EQ(TWiresList::GroupName(c.index), c.russian) << c.index;
  }
}

}  // namespace
