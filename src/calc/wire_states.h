#pragma once

#include <vector>

#include "calc/governing_case.h"
#include "calc/klimat.h"
#include "calc/klimat_koef.h"
#include "calc/pillar.h"
#include "calc/wire_loads.h"
#include "calc/wire_record.h"
#include "settings/local_message.h"

namespace orv::calc {

// The wire of a support in its three design states: maximum wind (σ1),
// reduced wind (σ2) and lowest temperature (σ3), carried by the state-change
// equation from the governing initial state of the equivalent span.
struct TWireStates {
  double Gamma1 = 0;     // specific load of own weight
  double Beta = 0;       // elastic compliance 1/E
  double StressMax = 0;  // permissible stresses, daN/mm²
  double StressAverage = 0;
  TWireLoads Loads;
  double GammaMax = 0;
  double l1 = 0, l2 = 0, l3 = 0;              // critical spans
  TGoverningCase RuleCase = CaseNone;         // the critical spans' choice
  TGoverningCase Case = CaseNone;             // the choice after the limit-state check
  double Sigma1 = 0, Sigma2 = 0, Sigma3 = 0;  // set only when Case is not CaseNone
};

// False when the critical spans refused the data; their warning joins
// `messages`, when given.
bool ComputeWireStates(const TPillar& pillar, const TWireRecord& wire, const TKlimat& klimat,
                       const TKlimatKoef& coefficients, TWireStates& states,
                       std::vector<settings::TLocalMessage>* messages = nullptr);

}  // namespace orv::calc
