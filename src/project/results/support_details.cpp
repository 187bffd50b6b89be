#include "project/results/support_details.h"

#include "base/text_utils.h"
#include "project/results/results_table.h"
#include "settings/localization.h"
#include "settings/units.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;

namespace orv::project {

namespace {

class TLines {
 public:
  void Heading(const char* key) { lines_.push_back({LocalText(key), "", "", true}); }
  void Add(const char* key, const std::string& value, const char* unitKey = nullptr) {
    lines_.push_back({LocalText(key), value, unitKey ? LocalText(unitKey) : "", false});
  }
  std::vector<TDetailLine> Take() { return std::move(lines_); }

 private:
  std::vector<TDetailLine> lines_;
};

std::string Joined(std::initializer_list<std::string> parts) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
  return text;
}

std::string Stress(double daNmm2) { return ShortNumber(daNmm2 * StressFactor(), 3); }
const char* StressUnit() { return StressFactor() != 1.0 ? "Unit_stress_N" : "Unit_stress_daN"; }

void AddLoads(TLines& lines, const TSupportExplanation& x) {
  lines.Heading("Details_loads");
  lines.Add("Details_p1", ShortNumber(x.P1, 4), "Unit_daN_m");
  lines.Add("Details_p4", ShortNumber(x.P4, 4), "Unit_daN_m");
  lines.Add("Details_p625", ShortNumber(x.P6_25, 4), "Unit_daN_m");
  lines.Add("Details_ice_loads", Joined({ShortNumber(x.P2, 4), ShortNumber(x.P5, 4), ShortNumber(x.P7, 4)}),
            "Unit_daN_m");
  lines.Add("Details_factors",
            Joined({ShortNumber(x.HeightFactor, 4), ShortNumber(x.AlfaMax, 5), ShortNumber(x.Cx, 2)}));
  lines.Add("Details_gammas",
            Joined({ShortNumber(x.Gamma1, 6), ShortNumber(x.Gamma6, 6), ShortNumber(x.GammaR6_25, 6),
                    ShortNumber(x.GammaMax, 6)}),
            "Unit_specific");
  lines.Add("Details_permissible", Joined({Stress(x.StressMax), Stress(x.StressAverage)}), StressUnit());
}

void AddStates(TLines& lines, const TSupportExplanation& x) {
  if (!x.HasCriticalSpans) return;
  lines.Heading("Details_states");
  std::string spans;
  for (const auto& span : x.CriticalSpans)
    spans += (spans.empty() ? "" : ", ") + (span ? ShortNumber(*span) : LocalText("Explain_imaginary"));
  lines.Add("Details_critical", spans, "Unit_m");
  lines.Add("Details_governing", GoverningStateText(x));
  if (x.StateStresses) {
    const auto& s = *x.StateStresses;
    lines.Add("Details_stresses", Joined({Stress(s[0]), Stress(s[1]), Stress(s[2])}), StressUnit());
  }
}

// One swing case: its load at its own angle, with the ballast angle where it
// belongs to it, its weight spans and the angle the recommended hardware
// leaves it against its limit.
void AddCase(TLines& lines, const TSupportOutcome& outcome, const TSwingCaseExplanation& c) {
  const TSwingExplanation& w = *outcome.Explanation.Swing;
  lines.Heading(c.Case == TSwingCase::MaxWind ? "Details_case_max_wind" : "Details_case_reduced_wind");
  lines.Add("Details_angle", ShortNumber(c.Angle, 2), "Unit_deg");
  lines.Add("Details_stress", Stress(c.Stress), StressUnit());
  const std::string smallest =
      c.MinWeightSpan < 0 ? LocalText("Results_not_limiting") : ShortNumber(c.MinWeightSpan);
  lines.Add("Details_weight_span", smallest + " / " + ShortNumber(c.WeightSpan), "Unit_m");
  if (c.TurnTerm != 0) lines.Add("Details_turn_term", ShortNumber(c.TurnTerm, 2), "Unit_kg");
  lines.Add("Details_case_load", ShortNumber(c.Load, 2), "Unit_kg");
  lines.Add("Details_case_need", ShortNumber(c.Need, 2), "Unit_kg");
  if (c.LoadAtBallastAngle)
    lines.Add("Details_case_ballast", ShortNumber(w.BallastAngle, 2) + "°: " + ShortNumber(*c.LoadAtBallastAngle, 2),
              "Unit_kg");
  if (!outcome.Swing) return;
  for (const TSwingCaseSketch& sketch : outcome.Swing->Cases)
    if (sketch.Case == c.Case && sketch.HardwareAngle)
      lines.Add("Details_case_hardware_angle",
                ShortNumber(*sketch.HardwareAngle, 1) + "° / " + ShortNumber(sketch.HardwareLimit, 1) + "°");
}

void AddString(TLines& lines, const TSupportOutcome& outcome) {
  const TSupportExplanation& x = outcome.Explanation;
  if (!x.Swing) return;
  const TSwingExplanation& w = *x.Swing;
  lines.Heading("Details_string");
  lines.Add("Details_wind_span", ShortNumber(x.WindSpan), "Unit_m");
  lines.Add("Details_swing", SwingCaseText(w.Case));
  lines.Add("Details_dynamic",
            ShortNumber(w.DynamicCoefficient, 4) + " / " + ShortNumber(w.SpanLengthFactor, 4));
  lines.Add("Details_load_before", ShortNumber(w.LoadBeforeBallastRule, 2), "Unit_kg");
  lines.Add("Details_ballast_case",
            w.BallastCase == TSwingCase::None ? LocalText("Explain_none") : SwingCaseText(w.BallastCase));
  lines.Add("Details_ballast_angle", LocalText(w.BallastHung ? "Explain_yes" : "Explain_no"));
  for (const TSwingCaseExplanation& c : w.Cases) AddCase(lines, outcome, c);
}

void AddResult(TLines& lines, const TSupportOutcome& outcome) {
  const TSupportResults& r = outcome.Results;
  lines.Heading("Details_result");
  if (r.BalancingLoad) lines.Add("Details_load", ShortNumber(*r.BalancingLoad, 2), "Unit_kg");
  const std::string hang = outcome.Failed() ? "" : HangingText(r.Verdict);
  if (!hang.empty()) lines.Add("Details_hang", hang);
  if (outcome.Explanation.WeightSpanMinTemp)
    lines.Add("Details_min_temp_span", ShortNumber(*outcome.Explanation.WeightSpanMinTemp), "Unit_m");
  if (r.VerticalLoadMinTemp) {
    const bool nBased = ForceFactor() != 1.0;
    lines.Add("Details_vertical", ShortNumber(*r.VerticalLoadMinTemp * ForceFactor(), nBased ? 4 : 2),
              nBased ? "Unit_kN" : "Unit_daN");
  }
  if (r.Verdict) lines.Add("Details_verdict", OnOneLine(LocalText(VerdictOf(*r.Verdict).Key)));
  lines.Add("Details_why", VerdictReason(outcome));
  for (const TCalcWarning& warning : outcome.Explanation.Warnings)
    lines.Add("Details_warning", WarningText(warning));
  for (const TLocalMessage& message : outcome.Messages)
    lines.Add("Details_messages", OnOneLine(MessageText(message)));
}

}  // namespace

std::vector<TDetailLine> SupportDetailLines(const TSupportOutcome& outcome) {
  TLines lines;
  if (outcome.Error) {
    lines.Heading("Details_result");
    lines.Add("Explain_error", OnOneLine(MessageText(*outcome.Error)));
    return lines.Take();
  }
  const TSupportExplanation& x = outcome.Explanation;
  // An input out of range stops the calculation before the loads: there are
  // none to show, only why.
  if (x.StoppedAt != TStopCheck::Range) AddLoads(lines, x);
  AddStates(lines, x);
  AddString(lines, outcome);
  AddResult(lines, outcome);
  return lines.Take();
}

}  // namespace orv::project
