#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "support/worked_example.h"
#include "project/results/project_results.h"
#include "settings/localization.h"
#include "settings/ports/memory_ports.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;

namespace {

// The project calculated against a catalogue of the worked example's wire.
std::vector<TSupportOutcome> Calculated(const TProject& project) {
  TWiresList catalogue;
  catalogue.Add(WorkedExampleWire());
  return CalculateProjectSupports(project, catalogue);
}

// A project whose supports fail in each of the ways a designer meets: the
// boxes and errors stay in their own support's outcome, none reaches the
// messages port, and the others are calculated all the same.
TEST(ProjectResults, EverySupportOnItsOwnWithoutBoxes) {
  RegisterAllTexts();
  SetLanguageForSession(0);
  RecordingMessages port;
  SetMessages(&port);
  TProject project;
  project.Klimat = WorkedExampleKlimat();
  const std::string wire = kWorkedExampleWireName;
  project.Pillars.Add(WorkedExampleSupport("1", wire));
  project.Pillars.Add(WorkedExampleSupport("2", "НЕТ 1"));
  TPillar zeroSpan = WorkedExampleSupport("3", wire);
  zeroSpan.SpanLeft = 0;
  project.Pillars.Add(zeroSpan);
  TPillar zeroAngle = WorkedExampleSupport("4", wire);
  zeroAngle.AlfaAB = 0;
  project.Pillars.Add(zeroAngle);
  TWiresList catalogue;
  catalogue.Add(WorkedExampleWire());

  const std::vector<TSupportOutcome> outcomes = CalculateProjectSupports(project, catalogue);

  ASSERT_EQ(outcomes.size(), 4u);
  EXPECT_TRUE(port.shown.empty());
  EXPECT_EQ(&GetMessages(), &port);
  EXPECT_FALSE(outcomes[0].Failed());
  EXPECT_EQ(outcomes[0].Results.Verdict, TVerdictId::FourDampers);
  EXPECT_EQ(outcomes[0].Explanation.GoverningCase, CaseMinimumTemperature);
  ASSERT_TRUE(outcomes[0].Explanation.Swing);
  EXPECT_EQ(outcomes[0].Explanation.Swing->Case, TSwingCase::ReducedWind);
  EXPECT_EQ(outcomes[1].Number, "2");
  EXPECT_NE(ErrorText(outcomes[1]).value_or("").find("НЕТ 1"), std::string::npos);
  EXPECT_TRUE(outcomes[2].Failed());
  // The field by its name, not the arithmetic that would fail.
  EXPECT_NE(ErrorText(outcomes[2]).value_or("").find("the span on the left is 0 m"), std::string::npos);
  EXPECT_FALSE(outcomes[2].Explanation.HasCriticalSpans);  // no half-made record
  EXPECT_TRUE(outcomes[3].Failed());
  EXPECT_EQ(outcomes[3].Explanation.StoppedAt, TStopCheck::Angle);
  ASSERT_EQ(outcomes[3].Messages.size(), 1u);
  EXPECT_EQ(outcomes[3].Messages[0].Kind, MessageKind::Error);
  EXPECT_EQ(MessageText(outcomes[3].Messages[0]), "Angle Alfa(а,в) = 0\r\nCalculation is impossible!");
  ResetPorts();
}

// The climate, its coefficients and the wire out of their physical ranges
// end the support before any number is worked out, each field named with its
// value and range; limits the wrong way round end it with "Data error".
TEST(ProjectResults, ValuesOutsideTheirPhysicalRangesAreNotCalculated) {
  RegisterAllTexts();
  SetLanguageForSession(0);
  const std::string wire = kWorkedExampleWireName;
  const struct {
    const char* name;
    void (*change)(TProject&, TWireRecord&);
    std::string said;
  } cases[] = {
      {"wind", [](TProject& p, TWireRecord&) { p.Klimat.WindVelocityMax = 1e40; },
       "Maximum wind velocity, m/s = 1E40: outside the range 0 – 100\r\n"},
      {"ice and a coefficient",
       [](TProject& p, TWireRecord&) {
         p.Klimat.IceThickness = -20;
         p.KlimatKoef.WindRegionalCoef = -5;
       },
       "Ice wall thickness, mm = -20: outside the range 0 – 100\r\n"
       "Regional coefficient, wind loads = -5: outside the range 0 – 10\r\n"},
      {"wire", [](TProject&, TWireRecord& w) { w.WireWeight = -0.148; },
       "\"" + wire + "\": Weight of the wire, kg/m = -0.148: outside the range 0.001 – 100\r\n"},
      {"average above maximum",
       [](TProject& p, TWireRecord&) {
         p.Pillars.Items(0).StressMax = 8;
         p.Pillars.Items(0).StressAverage = 12;
       },
       "Tension at average annual temperature, daN/mm² = 12: above the maximum 8\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TProject project;
    project.Klimat = WorkedExampleKlimat();
    project.Pillars.Add(WorkedExampleSupport("1", wire));
    TWireRecord record = WorkedExampleWire();
    c.change(project, record);
    TWiresList catalogue;
    catalogue.Add(record);
    const TSupportOutcome outcome = CalculateProjectSupport(project, 0, catalogue);
    EXPECT_TRUE(outcome.Failed());
    EXPECT_FALSE(outcome.Results.BalancingLoad || outcome.Results.VerticalLoadMinTemp);
    const std::string said = outcome.Error ? MessageText(*outcome.Error)
                                           : (outcome.Messages.empty() ? "" : MessageText(outcome.Messages[0]));
    EXPECT_EQ(said, c.said + "Calculation is impossible!");
  }
}

// What an outcome keeps is keys: one outcome gives its texts in either
// language while the language in force stays as it was.
TEST(ProjectResults, OneOutcomePresentedInEitherLanguage) {
  RegisterAllTexts();
  SetLanguageForSession(0);
  TProject project;
  project.Klimat = WorkedExampleKlimat();
  TPillar zeroAngles = WorkedExampleSupport("1", kWorkedExampleWireName);
  zeroAngles.AlfaP = zeroAngles.AlfaAB = 0;
  project.Pillars.Add(zeroAngles);
  project.Pillars.Add(WorkedExampleSupport("2", "НЕТ 1"));
  TPillar noStress = WorkedExampleSupport("3", kWorkedExampleWireName);
  noStress.StressMax = 0;
  project.Pillars.Add(noStress);
  const std::vector<TSupportOutcome> outcomes = Calculated(project);
  ASSERT_EQ(outcomes[0].Messages.size(), 1u);
  ASSERT_TRUE(outcomes[1].Error);
  ASSERT_EQ(outcomes[2].Messages.size(), 1u);
  const struct {
    int language;
    const char *angles, *verdict, *missingWire, *noStress;
  } rows[] = {
      {0, "Angle Alfa(р) = 0\r\nAngle Alfa(а,в) = 0\r\nCalculation is impossible!", "Data error",
       "\"НЕТ 1\": Input the data for this wire, cord, cable into the reference catalog.",
       "Maximum permissible tension equals 0,\r\ncalculation is impossible!"},
      {1, "Угол Alfa(р) = 0\r\nУгол Alfa(а,в) = 0\r\nРасчёт невозможен!", "Ошибка в данных",
       "\"НЕТ 1\": Введите данный провод, трос, кабель в справочник.",
       "Макс. допустимое напряжение равно 0, расчёт невозможен!"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.language);
    EXPECT_EQ(MessageText(outcomes[0].Messages[0], row.language), row.angles);
    EXPECT_EQ(TextIn(VerdictOf(*outcomes[0].Results.Verdict).Key, row.language), row.verdict);
    EXPECT_EQ(MessageText(*outcomes[1].Error, row.language), row.missingWire);
    EXPECT_EQ(MessageText(outcomes[2].Messages[0], row.language), row.noStress);
    EXPECT_EQ(LanguageIndex(), 0);
  }
}

// Nothing of one calculation is shared with another: two threads at once
// give the outcomes of one run after the other, boxes and errors included.
TEST(ProjectResults, TwoThreadsAtOnceGiveTheOutcomesOfOneAfterTheOther) {
  TProject project;
  project.Klimat = WorkedExampleKlimat();
  for (int i = 0; i < 300; ++i) {
    TPillar p = WorkedExampleSupport(std::to_string(i + 1), i % 23 == 5 ? "НЕТ" : kWorkedExampleWireName);
    p.SpanLeft = 50 + (i * 37) % 550;
    p.SpanRight = i % 31 == 7 ? 0 : 60 + (i * 53) % 500;
    p.GroundThis = (i * 7) % 40 - 20.0;
    p.TurnAngle = (i * 11) % 60;
    p.DamperWeight = (i % 4) * 2.5;
    p.InsulatorWeight = i % 9 == 0 ? 0 : 50;
    if (i % 17 == 3) p.AlfaAB = 0;
    if (i % 29 == 4) p.StressMax = 0;
    project.Pillars.Add(p);
  }
  const std::vector<TSupportOutcome> one = Calculated(project);
  // Both share the project and the catalogue, as windows and a report would.
  TWiresList catalogue;
  catalogue.Add(WorkedExampleWire());
  std::vector<TSupportOutcome> first, second;
  std::thread a([&] { first = CalculateProjectSupports(project, catalogue); });
  std::thread b([&] { second = CalculateProjectSupports(project, catalogue); });
  a.join();
  b.join();
  EXPECT_TRUE(first == one);
  EXPECT_TRUE(second == one);
  EXPECT_TRUE(
      std::any_of(one.begin(), one.end(), [](const TSupportOutcome& o) { return o.Swing.has_value(); }));
  EXPECT_TRUE(
      std::any_of(one.begin(), one.end(), [](const TSupportOutcome& o) { return !o.Messages.empty(); }));
}

}  // namespace
