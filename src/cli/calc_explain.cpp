#include "cli/calc_explain.h"

#include "cli/calc_table.h"
#include "cli/json_text.h"
#include "project/results_table.h"
#include "settings/localization.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;

namespace orv::cli {

namespace {

const char* StopName(TStopCheck check) {
  switch (check) {
    case TStopCheck::Range:
      return "input_range";
    case TStopCheck::CriticalSpans:
      return "critical_spans";
    case TStopCheck::GoverningCase:
      return "governing_case";
    case TStopCheck::Angle:
      return "angle";
    case TStopCheck::VibrationCoefficient:
      return "vibration_coefficient";
    case TStopCheck::None:
      break;
  }
  return nullptr;
}

const char* SwingName(TSwingCase swing) {
  switch (swing) {
    case TSwingCase::MaxWind:
      return "max_wind";
    case TSwingCase::ReducedWind:
      return "reduced_wind";
    case TSwingCase::None:
      break;
  }
  return nullptr;
}

std::string JsonName(const char* name) { return name ? JsonString(name) : "null"; }

std::string JsonSpans(const TSupportExplanation& x) {
  if (!x.HasCriticalSpans) return "null";
  return "[" + JsonOptionalNumber(x.CriticalSpans[0]) + ", " + JsonOptionalNumber(x.CriticalSpans[1]) + ", " +
         JsonOptionalNumber(x.CriticalSpans[2]) + "]";
}

std::string JsonStresses(const TSupportExplanation& x) {
  if (!x.StateStresses) return "null";
  const auto& s = *x.StateStresses;
  return "[" + JsonNumber(s[0]) + ", " + JsonNumber(s[1]) + ", " + JsonNumber(s[2]) + "]";
}

// A value of the string check, null without one.
template <typename F>
std::string SwingNumber(const TSupportExplanation& x, F field) {
  return x.Swing ? JsonNumber(field(*x.Swing)) : "null";
}

std::string JsonSwing(const TSupportExplanation& x) {
  const auto& w = x.Swing;
  return ", \"ballast_angle_used\": " + std::string(w ? (w->BallastAngleUsed ? "true" : "false") : "null") +
         ", \"weight_span\": " + SwingNumber(x, [](const TSwingExplanation& s) { return s.WeightSpan; }) +
         ",\n    \"governing_angle\": " +
         SwingNumber(x, [](const TSwingExplanation& s) { return s.GoverningAngle; }) +
         ", \"permissible_angle\": " +
         SwingNumber(x, [](const TSwingExplanation& s) { return s.PermissibleAngle; }) +
         ", \"load_before_ballast_rule\": " +
         SwingNumber(x, [](const TSwingExplanation& s) { return s.LoadBeforeBallastRule; }) +
         ", \"turn_pull\": " +
         SwingNumber(x, [](const TSwingExplanation& s) { return s.HorizontalTurnLoad; }) +
         ",\n    \"dynamic_coefficient\": " +
         SwingNumber(x, [](const TSwingExplanation& s) { return s.DynamicCoefficient; }) +
         ", \"span_length_factor\": " +
         SwingNumber(x, [](const TSwingExplanation& s) { return s.SpanLengthFactor; });
}

// The value of a stage the calculation reached, else null.
std::string Reached(bool reached, double value) { return reached ? JsonNumber(value) : "null"; }

std::string Line(const char* key, const std::string& value) {
  return "  " + LocalText(key) + ": " + value + "\n";
}

std::string SpansText(const TSupportExplanation& x) {
  std::string text;
  for (const auto& span : x.CriticalSpans) {
    if (!text.empty()) text += ", ";
    text += span ? Fixed3(*span) : LocalText("Explain_imaginary");
  }
  return text;
}

std::string StressesText(const std::array<double, 3>& s) {
  return Fixed3(s[0]) + ", " + Fixed3(s[1]) + ", " + Fixed3(s[2]);
}

std::string SwingText(const TSwingExplanation& w) {
  std::string text = LocalText(w.Case == TSwingCase::MaxWind ? "Explain_max_wind" : "Explain_reduced_wind");
  return text + " " + Fixed3(w.GoverningAngle) + "°";
}

std::string StageLines(const TSupportExplanation& x) {
  std::string text;
  if (x.HasCriticalSpans) text += Line("Explain_critical_spans", SpansText(x));
  if (x.HasCriticalSpans) text += Line("Explain_governing_state", GoverningStateText(x));
  if (x.StateStresses) text += Line("Explain_state_stresses", StressesText(*x.StateStresses));
  if (x.Swing) {
    const TSwingExplanation& w = *x.Swing;
    text += Line("Explain_swing", SwingText(w));
    text += Line("Explain_weight_span", Fixed3(w.WeightSpan) + " / " + Fixed3(w.MinWeightSpan));
    text += Line("Details_dynamic",
                 ShortNumber(w.DynamicCoefficient, 6) + " / " + ShortNumber(w.SpanLengthFactor, 6));
    if (w.HorizontalTurnLoad != 0) text += Line("Details_turn_term", Fixed3(w.TurnTerm));
    text += Line("Explain_load_before", Fixed3(w.LoadBeforeBallastRule));
    text += Line("Explain_ballast_angle", LocalText(w.BallastAngleUsed ? "Explain_yes" : "Explain_no"));
    text += Line("Details_final_angle", Fixed3(w.PermissibleAngle) + "°");
  }
  if (x.WeightSpanMinTemp)
    text += Line("Explain_min_temp", Fixed3(*x.WeightSpanMinTemp) + " / " + Fixed3(*x.VerticalLoadMinTemp));
  for (const TCalcWarning& warning : x.Warnings) text += Line("Details_warning", LocalText(warning.Key));
  return text;
}

std::string SupportText(const TSupportOutcome& support) {
  std::string text = std::to_string(support.Index + 1) + " \"" + support.Number + "\" " + support.Wire + "\n";
  if (support.Error) return text + Line("Explain_error", *ErrorText(support));
  const TSupportExplanation& x = support.Explanation;
  text += StageLines(x);
  if (x.StoppedAt != TStopCheck::None) text += Line("Explain_stopped_at", StopCheckText(x.StoppedAt));
  return text;
}

std::string JsonCase(TGoverningCase c) {
  return c == CaseNone ? "null" : std::to_string(static_cast<int>(c));
}

std::string JsonWarnings(const TSupportExplanation& x) {
  std::string text;
  for (const TCalcWarning& w : x.Warnings)
    text += std::string(text.empty() ? "" : ", ") + "{\"key\": " + JsonString(w.Key) +
            ", \"text\": " + JsonString(LocalText(w.Key)) + "}";
  return "[" + text + "]";
}

}  // namespace

std::string ExplainJson(const TSupportOutcome& support) {
  if (support.Error) return "null";
  const TSupportExplanation& x = support.Explanation;
  const bool governed = x.GoverningCase != CaseNone;
  return "{\"governing_state\": " + JsonCase(x.GoverningCase) +
         ", \"governing_rule\": " + (x.HasCriticalSpans ? JsonCase(x.GoverningRule) : "null") +
         ", \"swing_case\": " + JsonName(x.Swing ? SwingName(x.Swing->Case) : nullptr) + JsonSwing(x) +
         ",\n    \"critical_spans\": " + JsonSpans(x) + ", \"state_stresses\": " + JsonStresses(x) +
         ",\n    \"loads\": {\"p1\": " + JsonNumber(x.P1) + ", \"p4\": " + JsonNumber(x.P4) +
         ", \"p6_25\": " + JsonNumber(x.P6_25) + "}" + ", \"wind_span\": " + Reached(governed, x.WindSpan) +
         ", \"height_term\": " + Reached(governed, x.HeightTerm) +
         ",\n    \"weight_span_min_temp\": " + JsonOptionalNumber(x.WeightSpanMinTemp) +
         ", \"stopped_at\": " + JsonName(StopName(x.StoppedAt)) + ",\n    \"warnings\": " + JsonWarnings(x) +
         "}";
}

std::string ExplainText(const std::vector<TSupportOutcome>& supports) {
  std::string text = "\n";
  for (const TSupportOutcome& support : supports) text += SupportText(support);
  return text;
}

}  // namespace orv::cli
