#include "calc/choose_verdict.h"

#include <gtest/gtest.h>

using namespace orv::calc;

namespace {

struct VerdictRow {
  double x, D;
  const char* key;
};

const VerdictRow kRows[] = {
    // dampers of 5 kg
    {0, 5, "Mess_01"},
    {0.1, 5, "Mess_01"},
    {0.15, 5, "Mess_01"},
    {0.1500001, 5, "Mess_02"},
    {1, 5, "Mess_02"},
    {2, 5, "Mess_02"},
    {8, 5, "Mess_03"},
    {10, 5, "Mess_03"},
    {15, 5, "Mess_04"},
    {20, 5, "Mess_04"},
    {20.0001, 5, "Mess_05"},
    {50, 5, "Mess_05"},
    {53, 5, "Mess_05"},
    {60, 5, "Mess_10"},
    {63, 5, "Mess_10"},
    {64, 5, "Mess_06"},
    {103, 5, "Mess_06"},
    {110, 5, "Mess_07"},
    {113, 5, "Mess_07"},
    {114, 5, "Mess_08"},
    {155, 5, "Mess_08"},
    {160, 5, "Mess_09"},
    {165, 5, "Mess_09"},
    {170, 5, "Mess_11"},
    {205, 5, "Mess_11"},
    {210, 5, "Mess_12"},
    {215, 5, "Mess_12"},
    {216, 5, "Mess_13"},
    {-0.001, 5, "Mess_13"},
    {-80, 5, "Mess_13"},
    // heavy dampers: overlapping ranges, the earlier test wins
    {60, 20, "Mess_04"},
    {110, 30, "Mess_04"},
    {52, 13.25, "Mess_04"},
    {53.5, 13.25, "Mess_10"},
    // no dampers: the damper ranges never hold
    {2.5, 0, "Mess_05"},
    {53, 0, "Mess_05"},
    {60, 0, "Mess_06"},
    {104, 0, "Mess_08"},
    {160, 0, "Mess_11"},
    {206, 0, "Mess_13"},
};

TEST(ChooseVerdict, Table) {
  for (const VerdictRow& row : kRows) {
    SCOPED_TRACE(testing::Message() << "x = " << row.x << ", D = " << row.D);
    EXPECT_STREQ(VerdictOf(ChooseVerdict(row.x, row.D)).Key, row.key);
  }
}

// Once a ballast is hung: never dampers alone or nothing, and the 50 kg
// ballast for any load up to 53 kg.
const VerdictRow kBallastRows[] = {
    {-80, 5, "Mess_05"}, {0, 5, "Mess_05"},    {4.35, 5, "Mess_05"},  {20, 5, "Mess_05"},
    {53, 5, "Mess_05"},  {60, 5, "Mess_10"},   {64, 5, "Mess_06"},    {160, 5, "Mess_09"},
    {216, 5, "Mess_13"}, {60, 20, "Mess_10"},  {110, 30, "Mess_07"},  {60, 0, "Mess_06"},
};

TEST(ChooseBallastVerdict, Table) {
  for (const VerdictRow& row : kBallastRows) {
    SCOPED_TRACE(testing::Message() << "x = " << row.x << ", D = " << row.D);
    EXPECT_STREQ(VerdictOf(ChooseBallastVerdict(row.x, row.D)).Key, row.key);
  }
}

}  // namespace
