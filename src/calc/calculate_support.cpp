#include "calc/calculate_support.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/checked_math.h"
#include "base/errors.h"
#include "calc/balancing_load.h"
#include "calc/choose_verdict.h"
#include "calc/explain_steps.h"
#include "calc/support_coefficients.h"
#include "calc/support_inputs.h"
#include "calc/support_ranges.h"
#include "calc/wire_states.h"

using namespace orv::base;
using namespace orv::settings;

namespace orv::calc {

namespace {

using TMessages = std::vector<TLocalMessage>;

void SetVerdict(TSupportResults& r, TVerdictId verdict) { r.Verdict = verdict; }

void Ask(TMessages* messages, MessageButtons buttons, std::vector<TTextPart> parts) {
  if (messages) messages->push_back({MessageKind::Error, buttons, std::move(parts)});
}

void AngleError(const TPillar& p, TMessages* messages) {
  std::vector<TTextPart> parts;
  if (p.AlfaP == 0) parts.push_back({"Angle", " Alfa(р) = 0\r\n"});
  if (p.AlfaAB == 0) parts.push_back({"Angle", " Alfa(а,в) = 0\r\n"});
  parts.push_back({"Calculation_is_impossible", ""});
  Ask(messages, MessageButtons::Yes, std::move(parts));
}

void VibrationError(TMessages* messages) {
  Ask(messages, MessageButtons::Yes, {{"coefficient_of_vibration", " "}, {"Calculation_is_impossible", ""}});
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

void Warn(TSupportExplanation& x, const char* key) { x.Warnings.push_back({key, std::nullopt}); }

// Data that give a result all the same but that the engineer should check.
void CheckQuestionableData(const TBalance& balance, TSupportExplanation& x) {
  if (balance.BallastCase == TSwingCase::None) Warn(x, "Warn_ballast_angle");
  const TSwingCaseExplanation& governing = balance.Cases[balance.Governing == TSwingCase::MaxWind ? 0 : 1];
  if (governing.WeightSpan < 0) Warn(x, "Warn_string_over_90");
}

// Steps that need the insulator string: false when the data stop the
// calculation with "Data error".
bool Balance(const TPillar& p, const TWireRecord& w, const TKlimat& k, const TWireStates& s, double S,
             double H, TBalance& balance, TSupportExplanation* x, TMessages* messages) {
  if (p.AlfaP == 0 || p.AlfaAB == 0) {
    StopAt(x, TStopCheck::Angle);
    AngleError(p, messages);
    return false;
  }
  double kd = DynamicCoefficient(k.WindVelocityMax);
  if (kd < 0.00001) {
    StopAt(x, TStopCheck::VibrationCoefficient);
    VibrationError(messages);
    return false;
  }
  double Kl = SpanLengthFactor(H);
  balance = ComputeBalance(p, w, s, S, H, kd, Kl);
  if (x) {
    x->Swing = ExplainSwing(p, balance, kd, Kl);
    CheckQuestionableData(balance, *x);
  }
  return true;
}

TVerdictId VerdictOfSupport(const TPillar& p, const TBalance& balance, double V) {
  if (p.InsulatorWeight == 0) return V < 0 ? TVerdictId::Tearing : TVerdictId::NoUpwardForce;
  // An upward force at the lowest temperature must be held down by the
  // hardware as well, a load of 0 included: the larger magnitude decides.
  double decisive = V >= 0 ? balance.BalancingLoad : std::max(std::fabs(balance.BalancingLoad), std::fabs(V));
  // The load at the ballast angle holds only with a ballast hung: dampers
  // alone, or nothing, would leave the string at the stricter own angle.
  if (balance.BallastHung) return ChooseBallastVerdict(decisive, p.DamperWeight);
  return ChooseVerdict(decisive, p.DamperWeight);
}

// The weight span of the lowest-temperature state and the vertical load on
// it, for the record.
void ExplainMinTemp(const TWireStates& s, double S, double H, double V, TSupportExplanation& x) {
  x.WeightSpanMinTemp = H + Divide(s.Sigma3, s.Gamma1) * S;
  x.VerticalLoadMinTemp = V;
}

void Calculate(const TPillar& p, const TWireRecord& w, const TKlimat& k, const TKlimatKoef& c,
               TSupportResults& r, TSupportExplanation* x, TMessages* messages) {
  CheckInputsFinite(p, w, k, c);
  if (std::optional<TLocalMessage> rangeError = SupportRangeError(p, c)) {
    if (messages) messages->push_back(std::move(*rangeError));
    StopAt(x, TStopCheck::Range);
    SetVerdict(r, TVerdictId::DataError);
    return;
  }
  TWireStates s;
  bool spansPassed = ComputeWireStates(p, w, k, c, s, messages);
  if (x) ExplainWireStates(s, w, spansPassed, *x);
  if (!spansPassed) {
    StopAt(x, TStopCheck::CriticalSpans);
    return;
  }
  if (s.Case == CaseNone) {
    StopAt(x, TStopCheck::GoverningCase);
    Ask(messages, MessageButtons::Ok, {{"No_governing_case", ""}});
    SetVerdict(r, TVerdictId::DataError);
    return;
  }
  double S = HeightTerm(p);
  double H = Finite((p.SpanLeft + p.SpanRight) / 2);
  if (x) {
    x->HeightTerm = S;
    x->WindSpan = H;
  }
  TBalance balance;
  if (p.InsulatorWeight != 0 && !Balance(p, w, k, s, S, H, balance, x, messages)) {
    SetVerdict(r, TVerdictId::DataError);
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
  SetVerdict(done, VerdictOfSupport(p, balance, V));
  if (x && p.InsulatorWeight != 0 && V < 0) x->Warnings.push_back({"Warn_uplift", -V});
  r = done;
}

}  // namespace

TSupportResults CalculateSupport(const TPillar& Pillar, const TWireRecord& Wire, const TKlimat& Klimat,
                                 const TKlimatKoef& KlimatKoef, TSupportExplanation* Explanation,
                                 std::vector<TLocalMessage>* messages) {
  TSupportResults results;
  if (Explanation) *Explanation = TSupportExplanation();
  Calculate(Pillar, Wire, Klimat, KlimatKoef, results, Explanation, messages);
  return results;
}

TCalcOutcome CalculateOutcome(const TPillar& Pillar, const TWireRecord& Wire, const TKlimat& Klimat,
                              const TKlimatKoef& KlimatKoef) {
  TCalcOutcome outcome;
  try {
    outcome.Results =
        CalculateSupport(Pillar, Wire, Klimat, KlimatKoef, &outcome.Explanation, &outcome.Messages);
  } catch (const OrvError& error) {
    outcome.Error = TLocalMessage{MessageKind::Error, MessageButtons::Ok, {{"", error.what()}}};
    outcome.Explanation = TSupportExplanation();
  }
  return outcome;
}

}  // namespace orv::calc
