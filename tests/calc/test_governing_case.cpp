#include "calc/governing_case.h"

#include <gtest/gtest.h>

#include "calc/critical_spans.h"

using namespace orv::calc;

namespace {

constexpr double M = kImaginarySpan;

struct GoverningRow {
  const char* name;
  double L, l1, l2, l3;
  TGoverningCase expected;
};

const GoverningRow kRows[] = {
    // l1 > l2 > l3 (light ice)
    {"falling, short span", 50, 365.10, 210.49, 149.57, CaseMinimumTemperature},
    {"falling, span at l2", 210.49, 365.10, 210.49, 149.57, CaseMinimumTemperature},
    {"falling, span beyond l2", 210.5, 365.10, 210.49, 149.57, CaseMaximumLoad},
    // l1 imaginary, l2 < l3 (heavy ice)
    {"marker l1, 50 m", 50, M, 103.01, 167.25, CaseAverageTemperature},
    {"marker l1, 100 m", 100, M, 103.01, 167.25, CaseAverageTemperature},
    {"marker l1, 150 m", 150, M, 103.01, 167.25, CaseAverageTemperature},
    {"marker l1, 200 m", 200, M, 103.01, 167.25, CaseMaximumLoad},
    // l1 < l2 < l3
    {"rising, L = l1", 100, 100, 150, 200, CaseMinimumTemperature},
    {"rising, between l1 and l2", 120, 100, 150, 200, CaseAverageTemperature},
    {"rising, L = l2", 150, 100, 150, 200, CaseAverageTemperature},
    {"rising, between l2 and l3", 180, 100, 150, 200, CaseAverageTemperature},
    {"rising, L = l3", 200, 100, 150, 200, CaseMaximumLoad},
    // l3 imaginary, l1 < l2
    {"marker l3, below l1", 80, 100, 150, M, CaseMinimumTemperature},
    {"marker l3, L = l1", 100, 100, 150, M, CaseMinimumTemperature},
    {"marker l3, up to l2", 150, 100, 150, M, CaseAverageTemperature},
    {"marker l3, beyond l2", 151, 100, 150, M, CaseMaximumLoad},
    // orders that allow no decision
    {"l1 = l2 above L", 90, 100, 100, 200, CaseNone},
    {"l1 = l2 = L", 100, 100, 100, 50, CaseNone},
    {"l1 = l2 = L below l3", 100, 100, 100, 200, CaseNone},
    {"l1 < l2 but l2 > l3 in the middle band", 120, 100, 150, 140, CaseNone},
    {"l1 > l2 < l3 at a short span", 50, 200, 100, 150, CaseNone},
    {"l1 > l2 < l3 still governed by load beyond l2 and l3", 160, 200, 100, 150, CaseMaximumLoad},
    // the marker is also compared by magnitude: it is below every real span
    {"both markers: average temperature up to l2", 50, M, 100, M, CaseAverageTemperature},
    {"l1 marker, l2 > l3: below l2 no case", 50, M, 100, 80, CaseNone},
};

TEST(GoverningCase, Table) {
  for (const GoverningRow& row : kRows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(GoverningCase(row.L, row.l1, row.l2, row.l3), row.expected);
  }
}

TEST(GoverningCase, MarkerIsTestedByExactEquality) {
  // A tiny real span next to the marker is not the marker.
  struct {
    double L, l1, l2, l3;
    TGoverningCase withMarker, withTinySpan;  // the marker replaced by 2·M
  } rows[] = {
      {120, 100, 150, M, CaseAverageTemperature, CaseNone},
      {80, 100, 150, M, CaseMinimumTemperature, CaseNone},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(GoverningCase(r.L, r.l1, r.l2, r.l3), r.withMarker);
    EXPECT_EQ(GoverningCase(r.L, r.l1, r.l2, 2 * M), r.withTinySpan);
  }
  // l2 = 0 (ice at the minimum temperature): only the marker in l1 decides.
  EXPECT_EQ(GoverningCase(2, M, 0, 5), CaseAverageTemperature);
  EXPECT_EQ(GoverningCase(2, 2 * M, 0, 5), CaseNone);
}

}  // namespace
