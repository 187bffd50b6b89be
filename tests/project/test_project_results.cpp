#include <gtest/gtest.h>

#include "../support/worked_example.h"
#include "project/project_results.h"
#include "settings/localization.h"
#include "settings/ports/memory_ports.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"

namespace {

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
  EXPECT_EQ(outcomes[0].Results.VerdictKey, "Mess_04");
  EXPECT_EQ(outcomes[0].Explanation.GoverningCase, CaseMinimumTemperature);
  ASSERT_TRUE(outcomes[0].Explanation.Swing);
  EXPECT_EQ(outcomes[0].Explanation.Swing->Case, TSwingCase::ReducedWind);
  EXPECT_EQ(outcomes[1].Number, "2");
  EXPECT_NE(outcomes[1].Error.value_or("").find("НЕТ 1"), std::string::npos);
  EXPECT_TRUE(outcomes[2].Failed());
  // The field by its name, not the arithmetic that would fail.
  EXPECT_NE(outcomes[2].Error.value_or("").find("the span on the left is 0 m"), std::string::npos);
  EXPECT_FALSE(outcomes[2].Explanation.HasCriticalSpans);  // no half-made record
  EXPECT_TRUE(outcomes[3].Failed());
  EXPECT_EQ(outcomes[3].Explanation.StoppedAt, TStopCheck::Angle);
  ASSERT_EQ(outcomes[3].Messages.size(), 1u);
  EXPECT_EQ(outcomes[3].Messages[0].Kind, MessageKind::Error);
  EXPECT_EQ(outcomes[3].Messages[0].Text, "Angle Alfa(а,в) = 0\r\nCalculation is impossible!");
  ResetPorts();
}

}  // namespace
