#include <gtest/gtest.h>

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

// The recommended hardware is drawn against the angle that applies to it,
// and the weight axis has room for the load at the governing angle.
TEST(SwingDiagramData, HardwareAgainstItsAngle) {
  RegisterAllTexts();
  const struct {
    double damper, ballastAngle;
    double angle;  // the one that applies to the recommendation
    double weight;
  } rows[] = {{5, 60, 10, 20}, {4, 11, 11, 50}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.damper);
    TPillar p = WorkedExampleSupport();
    p.DamperWeight = row.damper;
    p.AlfaBal = row.ballastAngle;
    TProject project;
    project.Klimat = WorkedExampleKlimat();
    TWiresList catalogue;
    catalogue.Add(WorkedExampleWire());
    p.WireName = WorkedExampleWire().WireName;
    const std::optional<TSwingDiagram> d = SwingDiagramOf(CalculateSupportOutcome(project, p, 0, catalogue));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->RecommendedAngle, row.angle);
    EXPECT_EQ(d->RecommendedWeight, row.weight);
    EXPECT_NEAR(d->LoadAtGoverningAngle, 19.935, 5e-4);
    EXPECT_LE(d->BallastFrom, 4 * row.damper);
  }
  ResetPorts();
}

}  // namespace
