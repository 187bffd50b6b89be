#pragma once

#include <optional>
#include <string>

#include "calc/klimat.h"
#include "calc/klimat_koef.h"
#include "calc/pillar.h"
#include "calc/support_explanation.h"
#include "calc/wire_record.h"

// The balancing-load calculation of one support. The four results are
// in-out: each is written only on the paths that produce it and otherwise
// keeps the caller's value. VerdictKey, when given, receives the dictionary
// key of VerdictText ("Mess_01".."Mess_13", "Data_error",
// "Evaluate_the_tearing_load", "There is no force") exactly when VerdictText
// is written; Explanation, when given, receives how the result was reached
// (see the other form). Boxes go through the messages port; a zero divisor throws
// FloatingPointError.
void CalculateSupport(const TPillar& Pillar, TWireRecord Wire, const TKlimat& Klimat,
                      const TKlimatKoef& KlimatKoef, std::string& VerdictText, double& VerticalLoadMinTemp,
                      double& BalancingLoad, double& MinWeightSpan, std::string* VerdictKey = nullptr,
                      TSupportExplanation* Explanation = nullptr);

// The same results, each empty when the calculation did not write it.
struct TSupportResults {
  std::optional<std::string> VerdictKey;
  std::optional<std::string> VerdictText;
  std::optional<double> VerticalLoadMinTemp;
  std::optional<double> BalancingLoad;
  std::optional<double> MinWeightSpan;
};

// Explanation, when given, is reset and receives how the result was reached
// (see TSupportExplanation); without it nothing of the record is computed.
TSupportResults CalculateSupport(const TPillar& Pillar, const TWireRecord& Wire, const TKlimat& Klimat,
                                 const TKlimatKoef& KlimatKoef, TSupportExplanation* Explanation = nullptr);
