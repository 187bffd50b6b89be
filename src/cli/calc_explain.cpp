#include "cli/calc_explain.h"

#include "cli/calc_table.h"
#include "cli/json_text.h"
#include "project/results/results_table.h"
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

std::string JsonCaseSwing(const TSwingCaseExplanation& c) {
  return "{\"angle\": " + JsonNumber(c.Angle) + ", \"wind_load\": " + JsonNumber(c.WindLoad) +
         ", \"stress\": " + JsonNumber(c.Stress) + ", \"load\": " + JsonNumber(c.Load) +
         ", \"need\": " + JsonNumber(c.Need) +
         ", \"load_at_ballast_angle\": " + JsonOptionalNumber(c.LoadAtBallastAngle) +
         ",\n      \"min_weight_span\": " + JsonNumber(c.MinWeightSpan) +
         ", \"weight_span\": " + JsonNumber(c.WeightSpan) + ", \"turn_pull\": " + JsonNumber(c.HorizontalTurnLoad) +
         ", \"turn_term\": " + JsonNumber(c.TurnTerm) + "}";
}

// The string check: both cases, the governing one's values at the top.
std::string JsonSwing(const TSupportExplanation& x) {
  if (!x.Swing) {
    return ", \"ballast_case\": null, \"ballast_hung\": null, \"weight_span\": null, \"governing_angle\": null"
           ",\n    \"load_before_ballast_rule\": null, \"dynamic_coefficient\": null, "
           "\"span_length_factor\": null, \"cases\": null";
  }
  const TSwingExplanation& w = *x.Swing;
  const TSwingCaseExplanation& g = w.Governing();
  return ", \"ballast_case\": " + JsonName(SwingName(w.BallastCase)) +
         ", \"ballast_hung\": " + std::string(w.BallastHung ? "true" : "false") +
         ", \"weight_span\": " + JsonNumber(g.WeightSpan) + ", \"governing_angle\": " + JsonNumber(g.Angle) +
         ",\n    \"load_before_ballast_rule\": " + JsonNumber(w.LoadBeforeBallastRule) +
         ", \"dynamic_coefficient\": " + JsonNumber(w.DynamicCoefficient) +
         ", \"span_length_factor\": " + JsonNumber(w.SpanLengthFactor) +
         ",\n    \"cases\": {\"max_wind\": " + JsonCaseSwing(w.Of(TSwingCase::MaxWind)) +
         ",\n      \"reduced_wind\": " + JsonCaseSwing(w.Of(TSwingCase::ReducedWind)) + "}";
}

// The loads of the wire and the factors they were computed with.
std::string JsonLoads(const TSupportExplanation& x) {
  return "{\"p1\": " + JsonNumber(x.P1) + ", \"p2\": " + JsonNumber(x.P2) + ", \"p4\": " + JsonNumber(x.P4) +
         ", \"p5\": " + JsonNumber(x.P5) + ", \"p6_25\": " + JsonNumber(x.P6_25) + ", \"p7\": " + JsonNumber(x.P7) +
         ",\n      \"gamma1\": " + JsonNumber(x.Gamma1) + ", \"gamma6\": " + JsonNumber(x.Gamma6) +
         ", \"gamma_r6_25\": " + JsonNumber(x.GammaR6_25) + ", \"gamma7\": " + JsonNumber(x.Gamma7) +
         ", \"gamma_max\": " + JsonNumber(x.GammaMax) + ",\n      \"height_factor\": " +
         JsonNumber(x.HeightFactor) + ", \"alfa_max\": " + JsonNumber(x.AlfaMax) +
         ", \"alfa_ice\": " + JsonNumber(x.AlfaIce) + ", \"cx\": " + JsonNumber(x.Cx) + "}";
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

std::string CaseLine(const TSwingExplanation& w, const TSwingCaseExplanation& c) {
  std::string text = Fixed3(c.Angle) + "°, " + LocalText("Explain_case_load") + " " + Fixed3(c.Load) + ", " +
                     LocalText("Explain_case_need") + " " + Fixed3(c.Need);
  if (c.LoadAtBallastAngle)
    text += ", " + LocalText("Explain_case_at_ballast") + " " + Fixed3(w.BallastAngle) + "°: " +
            Fixed3(*c.LoadAtBallastAngle);
  const std::string smallest = c.MinWeightSpan < 0 ? LocalText("Results_not_limiting") : Fixed3(c.MinWeightSpan);
  text += "; " + LocalText("Explain_weight_span") + " " + Fixed3(c.WeightSpan) + " / " + smallest;
  if (c.HorizontalTurnLoad != 0) text += "; " + LocalText("Details_turn_term") + " " + Fixed3(c.TurnTerm);
  return text;
}

std::string LoadLines(const TSupportExplanation& x) {
  std::string text = Line("Explain_loads", ShortNumber(x.P1, 6) + ", " + ShortNumber(x.P2, 6) + ", " +
                                               ShortNumber(x.P4, 6) + ", " + ShortNumber(x.P5, 6) + ", " +
                                               ShortNumber(x.P6_25, 6) + ", " + ShortNumber(x.P7, 6));
  text += Line("Explain_gammas", ShortNumber(x.Gamma1, 8) + ", " + ShortNumber(x.Gamma6, 8) + ", " +
                                     ShortNumber(x.GammaR6_25, 8) + ", " + ShortNumber(x.Gamma7, 8) + ", " +
                                     ShortNumber(x.GammaMax, 8));
  text += Line("Explain_factors", ShortNumber(x.HeightFactor, 6) + ", " + ShortNumber(x.AlfaMax, 6) + ", " +
                                      ShortNumber(x.AlfaIce, 6) + ", " + ShortNumber(x.Cx, 2));
  return text;
}

std::string SwingLines(const TSwingExplanation& w) {
  std::string text = Line("Explain_swing", SwingCaseText(w.Case));
  text += Line("Details_dynamic", ShortNumber(w.DynamicCoefficient, 6) + " / " + ShortNumber(w.SpanLengthFactor, 6));
  for (const TSwingCaseExplanation& c : w.Cases)
    text += Line(c.Case == TSwingCase::MaxWind ? "Explain_max_wind" : "Explain_reduced_wind", CaseLine(w, c));
  text += Line("Explain_load_before", Fixed3(w.LoadBeforeBallastRule));
  text += Line("Details_ballast_case",
               w.BallastCase == TSwingCase::None ? LocalText("Explain_none") : SwingCaseText(w.BallastCase));
  text += Line("Explain_ballast_angle", LocalText(w.BallastHung ? "Explain_yes" : "Explain_no"));
  return text;
}

std::string StageLines(const TSupportExplanation& x) {
  std::string text;
  if (x.P1 != 0) text += LoadLines(x);
  if (x.HasCriticalSpans) text += Line("Explain_critical_spans", SpansText(x));
  if (x.HasCriticalSpans) text += Line("Explain_governing_state", GoverningStateText(x));
  if (x.StateStresses) text += Line("Explain_state_stresses", StressesText(*x.StateStresses));
  if (x.Swing) text += SwingLines(*x.Swing);
  if (x.WeightSpanMinTemp)
    text += Line("Explain_min_temp", Fixed3(*x.WeightSpanMinTemp) + " / " + Fixed3(*x.VerticalLoadMinTemp));
  for (const TCalcWarning& warning : x.Warnings) text += Line("Details_warning", WarningText(warning));
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
            ", \"force\": " + JsonOptionalNumber(w.Force) + ", \"text\": " + JsonString(WarningText(w)) + "}";
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
         ",\n    \"loads\": " + JsonLoads(x) + ", \"wind_span\": " + Reached(governed, x.WindSpan) +
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
