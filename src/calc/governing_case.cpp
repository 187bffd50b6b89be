#include "calc/governing_case.h"

#include "calc/critical_spans.h"

namespace orv::calc {

TGoverningCase GoverningCase(double L, double l1, double l2, double l3) {
  const double M = kImaginarySpan;
  bool rising = l1 < l2 && (l2 < l3 || l3 == M);
  if ((L <= l2 && L > l1) || (L < l3 && L >= l2))
    return rising || (l1 == M && l2 < l3) ? CaseAverageTemperature : CaseNone;
  if (L <= l2) return rising || (l1 > l2 && (l2 > l3 || l3 == M)) ? CaseMinimumTemperature : CaseNone;
  return CaseMaximumLoad;
}

}  // namespace orv::calc
