#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/klimat.h"
#include "calc/klimat_koef.h"
#include "calc/pillar.h"
#include "calc/support_explanation.h"
#include "calc/verdict_class.h"
#include "calc/wire_record.h"
#include "settings/local_message.h"

namespace orv::calc {

// The four results of a support's balancing-load calculation, each empty when
// the calculation did not write it. Verdict names a row of the verdict table
// (VerdictOf); whoever shows it picks the language.
struct TSupportResults {
  std::optional<TVerdictId> Verdict;
  std::optional<double> VerticalLoadMinTemp;
  std::optional<double> BalancingLoad;
  std::optional<double> MinWeightSpan;
  bool operator==(const TSupportResults&) const = default;
};

// Explanation, when given, is reset and receives how the result was reached
// (see TSupportExplanation); without it nothing of the record is computed.
// The boxes the calculation asks for join `messages`, when given, in order;
// nothing is shown. A zero divisor throws FloatingPointError.
TSupportResults CalculateSupport(const TPillar& Pillar, const TWireRecord& Wire, const TKlimat& Klimat,
                                 const TKlimatKoef& KlimatKoef, TSupportExplanation* Explanation = nullptr,
                                 std::vector<settings::TLocalMessage>* messages = nullptr);

// All that one calculation of a support gives, language-free: it shows
// nothing, looks up no text and shares nothing with another calculation.
struct TCalcOutcome {
  TSupportResults Results;
  TSupportExplanation Explanation;
  std::vector<settings::TLocalMessage> Messages;  // the boxes it asks to be shown, in order
  // What ended it (a zero divisor); Results and Explanation are then empty,
  // as a half-made record would tell of checks never finished.
  std::optional<settings::TLocalMessage> Error;
  bool operator==(const TCalcOutcome&) const = default;
};

// The calculation with its record, a failure kept in the outcome.
TCalcOutcome CalculateOutcome(const TPillar& Pillar, const TWireRecord& Wire, const TKlimat& Klimat,
                              const TKlimatKoef& KlimatKoef);

}  // namespace orv::calc
