#include "diagrams/swing_diagram_data.h"

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
  d.BallastFrom = 4 * pillar.DamperWeight;
  d.BallastAngleUsed = swing.BallastAngleUsed;
  d.PermissibleAngle = swing.PermissibleAngle;
  d.FoundWeight = *results.BalancingLoad;
  if (results.VerdictKey) d.RecommendedWeight = RecommendedWeight(*results.VerdictKey, pillar.DamperWeight);
  d.WeightSpan = swing.WeightSpan;
  d.MinWeightSpan = *results.MinWeightSpan;
  return d;
}
