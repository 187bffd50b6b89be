#include "calc/calculate_support.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/checked_math.h"
#include "calc/balancing_load.h"
#include "calc/choose_verdict.h"
#include "calc/explain_steps.h"
#include "calc/support_coefficients.h"
#include "calc/support_inputs.h"
#include "calc/support_ranges.h"
#include "calc/wire_states.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"

namespace {

void SetVerdict(TSupportResults& r, const std::string& key) {
  r.VerdictKey = key;
  r.VerdictText = LocalText(key);
}

void ShowError(const std::string& text, MessageButtons buttons) {
  GetMessages().Show(MessageKind::Error, text, buttons);
}

void ShowAngleError(const TPillar& p) {
  std::string text;
  if (p.AlfaP == 0) text += LocalText("Angle") + " Alfa(р) = 0\r\n";
  if (p.AlfaAB == 0) text += LocalText("Angle") + " Alfa(а,в) = 0\r\n";
  text += LocalText("Calculation_is_impossible");
  ShowError(text, MessageButtons::Yes);
}

void ShowVibrationError() {
  ShowError(LocalText("coefficient_of_vibration") + " " + LocalText("Calculation_is_impossible"),
            MessageButtons::Yes);
}

// How much higher this support's attachment point lies than each
// neighbour's, per metre of span.
double HeightTerm(const TPillar& p) {
  double top = p.GroundThis + p.HeightThis;
  return Finite(Divide(top - p.GroundLeft - p.HeightLeft, p.SpanLeft) +
                Divide(top - p.GroundRight - p.HeightRight, p.SpanRight));
}

// Records the check that ended the calculation, when a record is wanted.
void StopAt(TSupportExplanation* x, TStopCheck check) {
  if (x) x->StoppedAt = check;
}

void Warn(TSupportExplanation& x, const char* key) { x.Warnings.push_back({key, LocalText(key)}); }

// Data that give a result all the same but that the engineer should check.
void CheckQuestionableData(const TPillar& p, const TBalance& balance, double governingAngle,
                           TSupportExplanation& x) {
  if (p.AlfaBal <= governingAngle) Warn(x, "Warn_ballast_angle");
  if (balance.WeightSpan < 0) Warn(x, "Warn_string_over_90");
}

// Steps that need the insulator string: false when the data stop the
// calculation with "Data error".
bool Balance(const TPillar& p, const TWireRecord& w, const TKlimat& k, const TWireStates& s, double S,
             double H, TBalance& balance, TSupportExplanation* x) {
  if (p.AlfaP == 0 || p.AlfaAB == 0) {
    StopAt(x, TStopCheck::Angle);
    ShowAngleError(p);
    return false;
  }
  TDeflectionCase g = GoverningDeflection(p, s);
  double kd = DynamicCoefficient(k.WindVelocityMax);
  if (kd < 0.00001) {
    StopAt(x, TStopCheck::VibrationCoefficient);
    ShowVibrationError();
    return false;
  }
  double Kl = SpanLengthFactor(H);
  balance = ComputeBalance(p, w, s, g, S, H, kd, Kl);
  if (x) {
    x->Swing = ExplainSwing(p, w, s, g, balance, H, kd, Kl);
    CheckQuestionableData(p, balance, g.angle, *x);
  }
  return true;
}

std::string VerdictKeyOf(const TPillar& p, const TBalance& balance, double V) {
  if (p.InsulatorWeight == 0) return V < 0 ? "Evaluate_the_tearing_load" : "There is no force";
  double load = balance.BalancingLoad;
  // A non-zero load against an upward force: the larger magnitude decides.
  double decisive = load == 0 || V >= 0 ? load : std::max(std::fabs(load), std::fabs(V));
  // The load at the ballast angle holds only with a ballast hung: dampers
  // alone, or nothing, would leave the string at the stricter angle φ_g.
  if (balance.BallastAngleUsed) return ChooseBallastVerdict(decisive, p.DamperWeight);
  return ChooseVerdict(decisive, p.DamperWeight);
}

// The weight span of the lowest-temperature state and the vertical load on
// it, for the record.
void ExplainMinTemp(const TWireStates& s, double S, double H, double V, TSupportExplanation& x) {
  x.WeightSpanMinTemp = H + Divide(s.Sigma3, s.Gamma1) * S;
  x.VerticalLoadMinTemp = V;
}

void Calculate(const TPillar& p, const TWireRecord& w, const TKlimat& k, const TKlimatKoef& c,
               TSupportResults& r, TSupportExplanation* x) {
  CheckInputsFinite(p, w, k, c);
  if (!SupportInRange(p, c)) {
    StopAt(x, TStopCheck::Range);
    SetVerdict(r, "Data_error");
    return;
  }
  TWireStates s;
  bool spansPassed = ComputeWireStates(p, w, k, c, s);
  if (x) ExplainWireStates(s, w, spansPassed, *x);
  if (!spansPassed) {
    StopAt(x, TStopCheck::CriticalSpans);
    return;
  }
  if (s.Case == CaseNone) {
    StopAt(x, TStopCheck::GoverningCase);
    ShowError(LocalText("No_governing_case"), MessageButtons::Ok);
    SetVerdict(r, "Data_error");
    return;
  }
  double S = HeightTerm(p);
  double H = Finite((p.SpanLeft + p.SpanRight) / 2);
  if (x) {
    x->HeightTerm = S;
    x->WindSpan = H;
  }
  TBalance balance;
  if (p.InsulatorWeight != 0 && !Balance(p, w, k, s, S, H, balance, x)) {
    SetVerdict(r, "Data_error");
    return;
  }
  double n = p.WiresInPhase;
  double V = Finite(n * w.WireWeight * (p.SpanLeft + p.SpanRight) / 2 + n * s.Sigma3 * w.WireArea * S);
  if (x) ExplainMinTemp(s, S, H, V, *x);
  TSupportResults done;
  if (p.InsulatorWeight != 0) {
    done.BalancingLoad = balance.BalancingLoad;
    done.MinWeightSpan = balance.MinWeightSpan;
  }
  done.VerticalLoadMinTemp = V;
  SetVerdict(done, VerdictKeyOf(p, balance, V));
  r = done;
}

}  // namespace

TSupportResults CalculateSupport(const TPillar& Pillar, const TWireRecord& Wire, const TKlimat& Klimat,
                                 const TKlimatKoef& KlimatKoef, TSupportExplanation* Explanation) {
  TSupportResults results;
  if (Explanation) *Explanation = TSupportExplanation();
  Calculate(Pillar, Wire, Klimat, KlimatKoef, results, Explanation);
  return results;
}

void CalculateSupport(const TPillar& Pillar, TWireRecord Wire, const TKlimat& Klimat,
                      const TKlimatKoef& KlimatKoef, std::string& VerdictText, double& VerticalLoadMinTemp,
                      double& BalancingLoad, double& MinWeightSpan, std::string* VerdictKey,
                      TSupportExplanation* Explanation) {
  TSupportResults r = CalculateSupport(Pillar, Wire, Klimat, KlimatKoef, Explanation);
  if (r.VerdictText) VerdictText = std::move(*r.VerdictText);
  if (r.VerdictKey && VerdictKey) *VerdictKey = std::move(*r.VerdictKey);
  if (r.VerticalLoadMinTemp) VerticalLoadMinTemp = *r.VerticalLoadMinTemp;
  if (r.BalancingLoad) BalancingLoad = *r.BalancingLoad;
  if (r.MinWeightSpan) MinWeightSpan = *r.MinWeightSpan;
}
