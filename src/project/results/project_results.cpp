#include "project/results/project_results.h"

#include <algorithm>

#include "base/text_excerpt.h"
#include "calc/input_ranges.h"
#include "calc/swing_balance.h"
#include "calc/verdict_class.h"
#include "project/results/support_input_problem.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;

namespace orv::project {

namespace {

TLocalMessage MissingWireError(const std::string& wire) {
  return {
      MessageKind::Error, MessageButtons::Ok, {{"", "\"" + TextExcerpt(wire) + "\": "}, {"Input_wire", ""}}};
}

TSwingCaseSketch CaseSketchOf(const TPillar& pillar, const TWireRecord& wire, const TSwingExplanation& swing,
                              TSwingCase c, const std::optional<TVerdictId>& verdict) {
  TSwingCaseSketch sketch;
  sketch.Case = c;
  sketch.Balance = SwingBalanceOf(pillar, wire, swing, c);
  sketch.OwnAngle = swing.Of(c).Angle;
  sketch.OwnsBallastAngle = swing.BallastCase == c;
  sketch.HardwareLimit = sketch.OwnAngle;
  if (!verdict) return sketch;
  const TVerdict& v = VerdictOf(*verdict);
  if (v.Ballast > 0 && sketch.OwnsBallastAngle) sketch.HardwareLimit = pillar.AlfaBal;
  if (const std::optional<double> weight = v.Weight(pillar.DamperWeight))
    sketch.HardwareAngle = SwingAngleAtWeight(sketch.Balance, *weight);
  return sketch;
}

// The climate, its coefficients and the wire out of their physical ranges:
// every such field with its value and range, the wire's named by the wire.
std::optional<TLocalMessage> InputRangeError(const TProject& project, const TWireRecord& wire) {
  std::vector<TTextPart> rows = KlimatRangeErrors(project.Klimat);
  for (TTextPart& part : KlimatKoefRangeErrors(project.KlimatKoef)) rows.push_back(std::move(part));
  std::vector<TTextPart> wireRows = WireRangeErrors(wire);
  if (!wireRows.empty()) {
    rows.push_back({"", "\"" + TextExcerpt(wire.WireName) + "\": "});
    for (TTextPart& part : wireRows) rows.push_back(std::move(part));
  }
  if (rows.empty()) return std::nullopt;
  rows.push_back({"Calculation_is_impossible", ""});
  return TLocalMessage{MessageKind::Error, MessageButtons::Ok, std::move(rows)};
}

// Limits the wrong way round end the support as a range error of the
// calculation does: "Data error" and one box naming the field.
void StopAtLimitOrder(const TPillar& support, TCalcOutcome& outcome) {
  std::vector<TTextPart> rows = LimitOrderErrors(support);
  if (rows.empty() || outcome.Explanation.StoppedAt == TStopCheck::Range || outcome.Error) return;
  rows.push_back({"Calculation_is_impossible", ""});
  outcome = TCalcOutcome();
  outcome.Messages.push_back({MessageKind::Error, MessageButtons::Ok, std::move(rows)});
  outcome.Results.Verdict = TVerdictId::DataError;
  outcome.Explanation.StoppedAt = TStopCheck::Range;
}

std::optional<TSwingSketch> SketchOf(const TPillar& pillar, const TWireRecord& wire, const TCalcOutcome& o) {
  if (!o.Explanation.Swing || !o.Results.BalancingLoad || !o.Results.MinWeightSpan) return std::nullopt;
  const TSwingExplanation& swing = *o.Explanation.Swing;
  TSwingSketch sketch;
  sketch.Cases = {CaseSketchOf(pillar, wire, swing, TSwingCase::MaxWind, o.Results.Verdict),
                  CaseSketchOf(pillar, wire, swing, TSwingCase::ReducedWind, o.Results.Verdict)};
  // An angle outside (0°, 90°) has no line to draw.
  if (pillar.AlfaBal > 0 && pillar.AlfaBal < 90) sketch.BallastAngle = pillar.AlfaBal;
  // Above four dampers a ballast is hung, and the lightest weighs 50 kg.
  sketch.BallastFrom = std::min(4 * pillar.DamperWeight, 50.0);
  if (o.Results.Verdict) sketch.RecommendedWeight = VerdictOf(*o.Results.Verdict).Weight(pillar.DamperWeight);
  return sketch;
}

}  // namespace

bool TSupportOutcome::Failed() const {
  return Error.has_value() || !Results.Verdict.has_value() || *Results.Verdict == TVerdictId::DataError;
}

TSupportOutcome CalculateSupportOutcome(const TProject& project, const TPillar& support, int index,
                                        const TWiresList& catalogue) {
  TSupportOutcome outcome;
  outcome.Index = index;
  outcome.Number = support.SupportNumber;
  outcome.Wire = support.WireName;
  const int wire = catalogue.IndexOf(support.WireName);
  if (wire < 0) {
    outcome.WireMissing = true;
    outcome.Error = MissingWireError(support.WireName);
    return outcome;
  }
  const TWireRecord& record = catalogue.Records()[static_cast<std::size_t>(wire)];
  // Refused before the calculation: a wind of 1e40 would otherwise give
  // loads no view could show.
  if (std::optional<TLocalMessage> rangeError = InputRangeError(project, record)) {
    outcome.Error = std::move(rangeError);
    return outcome;
  }
  static_cast<TCalcOutcome&>(outcome) = CalculateOutcome(support, record, project.Klimat, project.KlimatKoef);
  StopAtLimitOrder(support, outcome);
  // An arithmetic error is said by the input behind it, which only this
  // layer, holding the support and its wire, can name.
  if (outcome.Error && outcome.Error->Parts.size() == 1 && outcome.Error->Parts[0].Key.empty()) {
    std::string& what = outcome.Error->Parts[0].Argument;
    what = CalculationErrorText(what, support, record);
  }
  outcome.Swing = SketchOf(support, record, outcome);
  return outcome;
}

TSupportOutcome CalculateProjectSupport(const TProject& project, int index, const TWiresList& catalogue) {
  return CalculateSupportOutcome(project, project.Pillars.Items(index), index, catalogue);
}

std::vector<TSupportOutcome> CalculateProjectSupports(const TProject& project, const TWiresList& catalogue) {
  std::vector<TSupportOutcome> outcomes;
  outcomes.reserve(static_cast<std::size_t>(project.Pillars.Count()));
  for (int i = 0; i < project.Pillars.Count(); ++i)
    outcomes.push_back(CalculateProjectSupport(project, i, catalogue));
  return outcomes;
}

std::optional<std::string> VerdictText(const TSupportResults& results) {
  if (!results.Verdict) return std::nullopt;
  return LocalText(VerdictOf(*results.Verdict).Key);
}

std::optional<std::string> ErrorText(const TCalcOutcome& outcome) {
  if (!outcome.Error) return std::nullopt;
  return MessageText(*outcome.Error);
}

}  // namespace orv::project
