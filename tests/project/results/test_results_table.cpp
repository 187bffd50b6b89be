#include <gtest/gtest.h>

#include <algorithm>

#include "support/worked_example.h"
#include "project/results/results_table.h"
#include "project/results/support_details.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"
#include "settings/units.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;

namespace {

constexpr std::size_t Col(TResultColumn column) { return static_cast<std::size_t>(column); }

class ResultsTable : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAllTexts();
    SetLanguageForSession(0);
  }
  void TearDown() override {
    // The language is process-wide: the tests after these expect English.
    SetLanguageForSession(0);
    ResetUnits();
    ResetPorts();
  }
};

TEST_F(ResultsTable, WhatToHangFollowsTheVerdict) {
  const struct {
    std::optional<TVerdictId> key;
    int language;
    const char* hang;
  } cases[] = {
      {TVerdictId::NoCalculation, 0, "nothing"},
      {TVerdictId::NoUpwardForce, 1, "ничего"},
      {TVerdictId::FourDampers, 0, "4 dampers"},
      {TVerdictId::Ballast50, 0, "BL-100-1 50 kg"},
      {TVerdictId::TwoDampersBallast150, 1, "2 гасителя + БЛ-200-1 150 кг"},
      {TVerdictId::TwoDampersBallast200, 0, "2 dampers + BL-200-1 200 kg"},
      {TVerdictId::OverLimit, 0, ""},
      {TVerdictId::Tearing, 0, ""},
      {std::nullopt, 0, ""},
  };
  for (const auto& c : cases) {
    SetLanguageForSession(c.language);
    EXPECT_EQ(HangingText(c.key), c.hang) << (c.key ? VerdictOf(*c.key).Key : "none");
  }
}

// The worked example, a repeated number and a missing wire, in both unit
// systems; the copied text keeps one line per row and one cell per column.
TEST_F(ResultsTable, RowsTellResultsRepeatsAndFailuresInTheUnitsInForce) {
  TProject project;
  project.Klimat = WorkedExampleKlimat();
  project.Pillars.Add(WorkedExampleSupport("7", kWorkedExampleWireName));
  project.Pillars.Add(WorkedExampleSupport("7", "НЕТ 1"));
  project.Pillars.Add(WorkedExampleSupport("8", kWorkedExampleWireName));
  TWiresList catalogue;
  catalogue.Add(WorkedExampleWire());
  for (int units : {0, 1}) {
    SetUnitsForSession(units);
    const std::vector<TResultRow> rows =
        MakeResultRows(project, CalculateProjectSupports(project, catalogue));
    ASSERT_EQ(rows.size(), 3u);
    const auto& cells = rows[0].Cells;
    EXPECT_EQ(cells[Col(TResultColumn::Spans)], "200 / 200 (200)");
    EXPECT_EQ(cells[Col(TResultColumn::Load)], "19.9");
    EXPECT_EQ(cells[Col(TResultColumn::Hang)], "4 dampers");
    EXPECT_EQ(cells[Col(TResultColumn::WeightSpan)], "334.7 / 200");
    EXPECT_EQ(cells[Col(TResultColumn::VerticalLoad)], units == 0 ? "29.6" : "0.296");
    EXPECT_EQ(ResultColumnTitles()[Col(TResultColumn::VerticalLoad)],
              units == 0 ? "Vert. load at Tmin, daN" : "Vert. load at Tmin, kN");
    EXPECT_EQ(rows[0].Class, TVerdictClass::Dampers);
    EXPECT_TRUE(rows[0].DuplicateNumber);
    EXPECT_EQ(cells[Col(TResultColumn::Verdict)].rfind(
                  "The support number 7 is used more than once (rows 1, 2).", 0),
              0u);
    EXPECT_TRUE(rows[1].Failed);
    EXPECT_EQ(rows[1].Class, TVerdictClass::DataError);
    EXPECT_NE(rows[1].Cells[Col(TResultColumn::Verdict)].find("\"НЕТ 1\": Input the data"),
              std::string::npos);
    EXPECT_FALSE(rows[2].DuplicateNumber);
  }
  const std::string text =
      ResultRowsText(MakeResultRows(project, CalculateProjectSupports(project, catalogue)));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 4 * (kResultColumns - 1));
}

// A ballast angle below both cases' angles with dampers of 4 kg: it belongs
// to no case, the 50 kg ballast is more than the 19.9 kg reduced wind needs,
// and the angle is questionable. The row, the reason and the details say so,
// with both cases and the swing the ballast leaves in each.
TEST_F(ResultsTable, WarningsAndAHeavierBallastAreSaidWhereTheResultShows) {
  TProject project;
  project.Klimat = WorkedExampleKlimat();
  TPillar support = WorkedExampleSupport("7", kWorkedExampleWireName);
  support.DamperWeight = 4;
  support.AlfaBal = 8;
  project.Pillars.Add(support);
  TWiresList catalogue;
  catalogue.Add(WorkedExampleWire());
  for (int language : {0, 1}) {
    SetLanguageForSession(language);
    const TSupportOutcome outcome = CalculateProjectSupport(project, 0, catalogue);
    ASSERT_EQ(outcome.Explanation.Warnings.size(), 1u);
    const std::string warning = LocalText("Warn_ballast_angle");
    EXPECT_EQ(LocalText(outcome.Explanation.Warnings[0].Key), warning);
    EXPECT_EQ(outcome.Results.Verdict, TVerdictId::Ballast50);
    const TResultRow row = ResultRowOf(project.Pillars.Items(0), outcome);
    EXPECT_NE(row.Cells[Col(TResultColumn::Verdict)].find("⚠ " + warning), std::string::npos);
    EXPECT_NE(VerdictReason(outcome).find(HeavierHardwareReason(outcome)), std::string::npos);
    EXPECT_NE(HeavierHardwareReason(outcome).find(language == 0 ? "(50 kg)" : "(50 кг)"), std::string::npos);
    const std::vector<TDetailLine> lines = SupportDetailLines(outcome);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const TDetailLine& l) {
      return l.Label == LocalText("Details_warning") && l.Value == warning;
    }));
    // Reduced wind decides; maximum wind needs 16 kg; with 50 kg hung the
    // strings stand at 34° of 45° and 7.2° of 10°.
    const std::string reason = VerdictReason(outcome);
    EXPECT_NE(reason.find(LocalTextWith("Results_reason_other_case", SwingCaseText(TSwingCase::MaxWind), "16")),
              std::string::npos)
        << reason;
    EXPECT_NE(reason.find(HardwareAnglesText(outcome)), std::string::npos);
    EXPECT_NE(HardwareAnglesText(outcome).find("34° ("), std::string::npos) << HardwareAnglesText(outcome);
    for (const char* heading : {"Details_case_max_wind", "Details_case_reduced_wind"})
      EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                              [&](const TDetailLine& l) { return l.Heading && l.Label == LocalText(heading); }));
  }
}

// A turn from the support that outweighs the wind: the smallest weight span
// is negative, which a person reads as "not limiting"; the number stays
// where a program reads it.
TEST_F(ResultsTable, NegativeSmallestWeightSpanIsSaidNotLimiting) {
  TProject project;
  project.Klimat = WorkedExampleKlimat();
  TPillar support = WorkedExampleSupport("4", kWorkedExampleWireName);
  support.TurnAngle = 10;
  support.DeflectionDirection = 1;
  project.Pillars.Add(support);
  TWiresList catalogue;
  catalogue.Add(WorkedExampleWire());
  const TSupportOutcome outcome = CalculateProjectSupport(project, 0, catalogue);
  ASSERT_LT(*outcome.Results.MinWeightSpan, 0);
  const TResultRow row = ResultRowOf(project.Pillars.Items(0), outcome);
  EXPECT_EQ(row.Cells[Col(TResultColumn::WeightSpan)].rfind(LocalText("Results_not_limiting"), 0), 0u);
  EXPECT_EQ(row.SortValues[Col(TResultColumn::WeightSpan)], outcome.Results.MinWeightSpan);
  EXPECT_NE(VerdictReason(outcome).find(LocalText("Results_not_limiting")), std::string::npos);
}

}  // namespace
