#include "diagrams/swing_diagram_data.h"

using namespace orv::calc;
using namespace orv::project;

namespace orv::diagrams {

std::optional<TSwingDiagram> SwingDiagramOf(const TSupportOutcome& outcome) {
  if (outcome.Failed() || !outcome.Swing || !outcome.Explanation.Swing) return std::nullopt;
  const TSwingExplanation& swing = *outcome.Explanation.Swing;
  const TSwingSketch& sketch = *outcome.Swing;
  TSwingDiagram d;
  d.SupportNumber = outcome.Number;
  d.VerdictText = VerdictText(outcome.Results).value_or("");
  d.Balance = sketch.Balance;
  d.MaxWind = swing.Case == TSwingCase::MaxWind;
  d.GoverningAngle = swing.GoverningAngle;
  d.BallastAngle = sketch.BallastAngle;
  d.BallastFrom = sketch.BallastFrom;
  d.BallastAngleUsed = swing.BallastAngleUsed;
  d.PermissibleAngle = swing.PermissibleAngle;
  d.FoundWeight = *outcome.Results.BalancingLoad;
  d.LoadAtGoverningAngle = swing.LoadBeforeBallastRule;
  d.RecommendedWeight = sketch.RecommendedWeight;
  d.RecommendedAngle = sketch.RecommendedAngle;
  d.WeightSpan = swing.WeightSpan;
  d.MinWeightSpan = *outcome.Results.MinWeightSpan;
  return d;
}

}  // namespace orv::diagrams
