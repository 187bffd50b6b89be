#include <gtest/gtest.h>

#include <functional>

#include "../support/worked_example.h"
#include "diagrams/swing_diagram_data.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::diagrams;

namespace {

TSupportOutcome WorkedOutcome(const std::function<void(TPillar&)>& change) {
  TPillar p = WorkedExampleSupport();
  change(p);
  TProject project;
  project.Klimat = WorkedExampleKlimat();
  TWiresList catalogue;
  catalogue.Add(WorkedExampleWire());
  p.WireName = WorkedExampleWire().WireName;
  return CalculateSupportOutcome(project, p, 0, catalogue);
}

// Both cases are drawn, each with its own limit; the recommended hardware
// is marked on both against the limit that applies to it there (the ballast
// angle only on the case it belongs to).
TEST(SwingDiagramData, BothCasesWithTheHardwareAgainstTheirLimits) {
  RegisterAllTexts();
  const struct {
    double damper, ballastAngle;
    double weight;
    double limits[2];  // maximum wind, reduced wind
  } rows[] = {{5, 60, 20, {45, 10}}, {4, 11, 50, {45, 11}}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.damper);
    const std::optional<TSwingDiagram> d = SwingDiagramOf(WorkedOutcome([&](TPillar& p) {
      p.DamperWeight = row.damper;
      p.AlfaBal = row.ballastAngle;
    }));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Governing, TSwingCase::ReducedWind);
    EXPECT_EQ(d->RecommendedWeight, row.weight);
    for (int i = 0; i < 2; ++i) {
      const TSwingDiagramCase& c = d->Cases[i];
      EXPECT_EQ(c.HardwareLimit, row.limits[i]);
      ASSERT_TRUE(c.HardwareAngle);
      EXPECT_NEAR(*c.HardwareAngle, SwingAngleAtWeight(c.Balance, row.weight), 1e-12);
      EXPECT_LE(*c.HardwareAngle, c.HardwareLimit);
    }
    EXPECT_NEAR(d->Cases[1].Needed, row.damper == 5 ? 19.935 : 13.012, 5e-4);
    EXPECT_LE(d->BallastFrom, 4 * row.damper);
  }
  ResetPorts();
}

}  // namespace
