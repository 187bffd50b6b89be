#include <gtest/gtest.h>

#include <functional>

#include "calc/calculate_support.h"
#include "calc/support_ranges.h"
#include "calc_fixture.h"

using namespace orv::settings;
using namespace orv::calc;

namespace {

class SupportRangesTest : public CalcTest {};

struct RangeRow {
  const char* name;
  std::function<void(TPillar&, TKlimatKoef&)> change;
  const char* rows;  // the box's rows before "Calculation is impossible!"; empty: the support calculates
};

const RangeRow kRanges[] = {
    {"wires in phase -1", [](TPillar& p, TKlimatKoef&) { p.WiresInPhase = -1; },
     "Number of wires in phase = -1: outside the range 1 – 3\r\n"},
    {"no wires in the phase", [](TPillar& p, TKlimatKoef&) { p.WiresInPhase = 0; },
     "Number of wires in phase = 0: outside the range 1 – 3\r\n"},
    {"Alfa (р) 180° and a turn of -5°",
     [](TPillar& p, TKlimatKoef&) {
       p.AlfaP = 180;
       p.TurnAngle = -5;
     },
     "Angle of line route turn, degrees = -5: outside the range 0 – 180\r\n"
     "Angle Alfa (r), degrees = 180: outside the range 0 – 90\r\n"},
    {"left span -270", [](TPillar& p, TKlimatKoef&) { p.SpanLeft = -270; },
     "Span on the left, m = -270: outside the range 0 – 100000\r\n"},
    {"terrain 9", [](TPillar&, TKlimatKoef& c) { c.TerrainType = 9; },
     "Type of terrain (1 = A, 2 = B, 3 = C) = 9: outside the range 1 – 3\r\n"},
    {"maximum stress -13.5", [](TPillar& p, TKlimatKoef&) { p.StressMax = -13.5; },
     "Maximum permissible tension, daN/mm² = -13.5: outside the range 0 – 1000\r\n"},
    {"maximum stress 1e307", [](TPillar& p, TKlimatKoef&) { p.StressMax = 1e307; },
     "Maximum permissible tension, daN/mm² = 1E307: outside the range 0 – 1000\r\n"},
    {"Alfa (а,в) just above 90", [](TPillar& p, TKlimatKoef&) { p.AlfaAB = 90.00000000000001; },
     "Angle Alfa (a,v), degrees = 90.00000000000001: outside the range 0 – 90\r\n"},
    {"negative tension of the unused pair", [](TPillar& p, TKlimatKoef&) { p.TensionAverage = -7; }, ""},
    {"ground 1e17, string 1e300",
     [](TPillar& p, TKlimatKoef&) {
       p.GroundThis = 1e17;
       p.InsulatorWeight = 1e300;
     },
     "Ground level of this support, m = 1E17: outside the range -1000 – 10000\r\n"
     "Weight of the insulator string, kg = 1E300: outside the range 0 – 10000\r\n"},
    {"the edges of every range",
     [](TPillar& p, TKlimatKoef& c) {
       p.WiresInPhase = 3;
       p.AlfaBal = 90;
       p.TurnAngle = 180;
       p.HeightLeft = 0;
       c.TerrainType = 3;
     },
     ""},
};

// An input outside its range stops its support with "Data error" and one box
// that names every such field and its value; in range, nothing changes.
TEST_F(SupportRangesTest, OutOfRangeInputsStopTheSupportNamingFieldAndValue) {
  for (const RangeRow& row : kRanges) {
    SCOPED_TRACE(row.name);
    messages.shown.clear();
    TPillar p = ExampleSupport();
    TKlimatKoef c;
    row.change(p, c);
    EXPECT_EQ(PartsText(SupportRangeErrors(p, c), 0), row.rows);
    TSupportExplanation x;
    std::vector<TLocalMessage> kept;
    TSupportResults r = CalculateSupport(p, ExampleWire(), ExampleKlimat(), c, &x, &kept);
    Present(kept);
    if (*row.rows == '\0') {
      EXPECT_NE(x.StoppedAt, TStopCheck::Range);
      continue;
    }
    EXPECT_EQ(r.Verdict, TVerdictId::DataError);
    EXPECT_EQ(x.StoppedAt, TStopCheck::Range);
    EXPECT_FALSE(r.BalancingLoad || r.MinWeightSpan || r.VerticalLoadMinTemp);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, std::string(row.rows) + "Calculation is impossible!");
  }
}

TEST_F(SupportRangesTest, RussianNamesTheFieldInRussian) {
  UseRussian();
  TPillar p = ExampleSupport();
  p.SpanRight = -1;
  EXPECT_EQ(PartsText(SupportRangeErrors(p, TKlimatKoef()), 1),
            "Пролёт справа, м = -1: вне диапазона 0 – 100000\r\n");
}

}  // namespace
