#include "diagrams/swing_diagram_data.h"

#include <algorithm>

#include "calc/swing_balance.h"
#include "calc/verdict_class.h"

std::optional<TSwingDiagram> SwingDiagramOf(const TPillar& pillar, const TWireRecord& wire,
                                            const TSupportResults& results,
                                            const TSupportExplanation& explanation) {
  if (!explanation.Swing || !results.BalancingLoad || !results.MinWeightSpan) return std::nullopt;
  const TSwingExplanation& swing = *explanation.Swing;
  TSwingDiagram d;
  d.SupportNumber = pillar.SupportNumber;
  d.VerdictText = results.VerdictText.value_or("");
  d.Balance = SwingBalanceOf(pillar, wire, swing);
  d.MaxWind = swing.Case == TSwingCase::MaxWind;
  d.GoverningAngle = swing.GoverningAngle;
  // An angle outside (0°, 90°) has no line to draw.
  if (pillar.AlfaBal > 0 && pillar.AlfaBal < 90) d.BallastAngle = pillar.AlfaBal;
  // Above four dampers a ballast is hung, and the lightest weighs 50 kg.
  d.BallastFrom = std::min(4 * pillar.DamperWeight, 50.0);
  d.BallastAngleUsed = swing.BallastAngleUsed;
  d.PermissibleAngle = swing.PermissibleAngle;
  d.FoundWeight = *results.BalancingLoad;
  d.LoadAtGoverningAngle = swing.LoadBeforeBallastRule;
  d.RecommendedAngle = swing.GoverningAngle;
  if (results.VerdictKey) {
    d.RecommendedWeight = RecommendedWeight(*results.VerdictKey, pillar.DamperWeight);
    const std::optional<THangingHardware> hardware = HardwareOf(*results.VerdictKey);
    if (hardware && hardware->Ballast > 0) d.RecommendedAngle = pillar.AlfaBal;
  }
  d.WeightSpan = swing.WeightSpan;
  d.MinWeightSpan = *results.MinWeightSpan;
  return d;
}
