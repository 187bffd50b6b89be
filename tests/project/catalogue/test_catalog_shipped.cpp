#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <numbers>
#include <set>
#include <sstream>
#include <string>

#include "base/cp1251.h"
#include "project/catalogue/wire_catalog_record.h"
#include "project/catalogue/wire_catalog_text.h"
#include "project/test_catalog_support.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project;

namespace {

// data/wires.csv as the build turns it into the exchange text: comments and
// empty lines left out, Windows-1251, CR LF.
struct ShippedSource {
  std::string text;
  std::vector<std::string> names;  // as written, before the import could cut them
};

ShippedSource ReadShippedSource() {
  std::istringstream in(ReadBytes(std::string(ORVANE_SOURCE_DIR) + "/data/wires.csv"));
  ShippedSource source;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    source.text += Utf8ToCp1251(line) + "\r\n";
    source.names.push_back(line.substr(0, line.find(';')));
  }
  return source;
}

class ShippedCatalogue : public ::testing::Test {
 protected:
  void SetUp() override {
    source = ReadShippedSource();
    wires = WireRecordsFromText(source.text, "wires.csv");
  }
  ShippedSource source;
  std::vector<TWireRecord> wires;
};

TEST_F(ShippedCatalogue, HoldsEnoughUniqueNamesThatFitTheFile) {
  EXPECT_GE(wires.size(), 60u);
  std::set<std::string> seen;
  for (const std::string& name : source.names) {
    EXPECT_LE(Utf8Length(name), 16u) << name << " would be cut";
    EXPECT_TRUE(seen.insert(name).second) << name << " twice";
  }
}

TEST_F(ShippedCatalogue, FillsTheGroupsItPromises) {
  std::map<int, int> perGroup;
  for (const TWireRecord& wire : wires) ++perGroup[wire.WireGroup];
  for (int group : {1, 4, 5, 6}) EXPECT_GT(perGroup[group], 0) << "group " << group;
  for (const auto& [group, count] : perGroup) EXPECT_TRUE(group >= 1 && group <= 7) << group;
}

// Catches a slipped digit: no section larger than the circle of its diameter,
// and the stranded metal wires weigh what aluminium and steel weigh.
TEST_F(ShippedCatalogue, ValuesArePhysicallyPlausible) {
  for (const TWireRecord& wire : wires) {
    SCOPED_TRACE(wire.WireName);
    for (double value :
         {wire.WireDiameter, wire.WireArea, wire.WireWeight, wire.WireModulus, wire.WireExpansion})
      EXPECT_GT(value, 0);
    EXPECT_LE(wire.WireArea, std::numbers::pi * wire.WireDiameter * wire.WireDiameter / 4 * 1.001);
    EXPECT_LT(wire.WireExpansion, 3e-5);
    const double gramsPerMetreAndMm2 = wire.WireWeight / wire.WireArea * 1000;
    if (wire.WireGroup == 1) {
      EXPECT_GE(gramsPerMetreAndMm2, 2.69);
      EXPECT_LE(gramsPerMetreAndMm2, 6.5);
      EXPECT_GE(wire.WireModulus, 6000);
      EXPECT_LE(wire.WireModulus, 14000);
    }
    if (wire.WireGroup == 5) {
      EXPECT_GE(gramsPerMetreAndMm2, 7.8);
      EXPECT_LE(gramsPerMetreAndMm2, 9);
    }
  }
}

// The wires of the worked examples, and the two whose areas were once too small
// (the standard's 10.6 + 1.77 and 16.13 + 2.69 mm²).
TEST_F(ShippedCatalogue, CarriesTheWiresOfTheWorkedExamplesAndTheStandard) {
  const TWireRecord expected[] = {Wire(1, "АС 35/6.2", 8.4, 43.0, 0.148, 8250, 19.2e-6),
                                  Wire(1, "АС 70/11", 11.4, 79.3, 0.276, 8250, 19.2e-6),
                                  Wire(1, "АС 10/1.8", 4.5, 12.37, 0.0427, 8250, 19.2e-6),
                                  Wire(1, "АС 16/2.7", 5.6, 18.82, 0.0646, 8250, 19.2e-6)};
  for (const TWireRecord& wire : expected) {
    const auto found = std::find_if(wires.begin(), wires.end(),
                                    [&](const TWireRecord& w) { return w.WireName == wire.WireName; });
    ASSERT_NE(found, wires.end()) << wire.WireName;
    EXPECT_TRUE(found->Equals(wire)) << wire.WireName;
  }
}

// The build makes base_provod.dat from wires.csv; what it ships must be what
// the source says, record by record and field by field, in the source's order.
TEST_F(ShippedCatalogue, BuiltFileHoldsExactlyTheSource) {
  const std::string built = std::string(ORVANE_PROGRAM_DIR) + "/base_provod.dat";
  if (!std::filesystem::exists(built)) GTEST_SKIP() << built << " is not built (no desktop program)";
  const std::vector<TWireRecord> shipped = DecodeWireRecords(ReadBytes(built));
  ASSERT_EQ(Names(shipped), Names(wires));
  for (std::size_t i = 0; i < wires.size(); ++i) {
    SCOPED_TRACE(wires[i].WireName);
    EXPECT_EQ(shipped[i].WireGroup, wires[i].WireGroup);
    for (double TWireRecord::*field : kWireRealFields) EXPECT_EQ(shipped[i].*field, wires[i].*field);
  }
}

}  // namespace
