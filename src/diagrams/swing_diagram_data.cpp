#include "diagrams/swing_diagram_data.h"

using namespace orv::calc;
using namespace orv::project;

namespace orv::diagrams {

namespace {

TSwingDiagramCase CaseOf(const TSwingExplanation& swing, const TSwingCaseSketch& sketch) {
  const TSwingCaseExplanation& c = swing.Of(sketch.Case);
  TSwingDiagramCase d;
  d.Case = sketch.Case;
  d.Balance = sketch.Balance;
  d.OwnAngle = sketch.OwnAngle;
  d.OwnsBallastAngle = sketch.OwnsBallastAngle;
  d.NeededAngle = swing.LimitAngle(sketch.Case);
  d.Needed = swing.BallastHung && c.LoadAtBallastAngle ? *c.LoadAtBallastAngle : c.Need;
  d.WeightSpan = c.WeightSpan;
  d.MinWeightSpan = c.MinWeightSpan;
  d.HardwareAngle = sketch.HardwareAngle;
  d.HardwareLimit = sketch.HardwareLimit;
  return d;
}

}  // namespace

std::optional<TSwingDiagram> SwingDiagramOf(const TSupportOutcome& outcome) {
  if (outcome.Failed() || !outcome.Swing || !outcome.Explanation.Swing) return std::nullopt;
  const TSwingExplanation& swing = *outcome.Explanation.Swing;
  const TSwingSketch& sketch = *outcome.Swing;
  TSwingDiagram d;
  d.SupportNumber = outcome.Number;
  d.VerdictText = VerdictText(outcome.Results).value_or("");
  d.Governing = swing.Case;
  for (std::size_t i = 0; i < d.Cases.size(); ++i) d.Cases[i] = CaseOf(swing, sketch.Cases[i]);
  d.BallastAngle = sketch.BallastAngle;
  d.BallastFrom = sketch.BallastFrom;
  d.FoundWeight = *outcome.Results.BalancingLoad;
  d.RecommendedWeight = sketch.RecommendedWeight;
  return d;
}

}  // namespace orv::diagrams
