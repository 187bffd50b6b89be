#include "calc/critical_spans.h"

#include <cmath>
#include <string>

#include "base/checked_math.h"

using namespace orv::base;
using namespace orv::settings;

namespace orv::calc {

namespace {

constexpr double kLeast = 1e-5;

// The dictionary keys of the refusals, in the order of the checks.
constexpr const char* kRefusals[] = {"Refusal_stress_max", "Refusal_stress_average", "Refusal_stress_equal",
                                     "Refusal_temperatures"};

// Index into kRefusals of the first check the input fails, or -1.
int FailedCheck(double StressAverage, double StressMax, double TempMin, double TempIce) {
  if (StressMax < kLeast) return 0;
  if (StressAverage < kLeast) return 1;
  if (std::fabs(StressAverage - StressMax) < kLeast) return 2;
  if (TempIce - TempMin < 0) return 3;
  return -1;
}

// The span is imaginary when the radicand is not positive.
double SpanOrMarker(double radicand, double stress, double Gamma1) {
  if (!(radicand > 0)) return kImaginarySpan;
  return Finite(Divide(SquareRoot(radicand) * 2 * stress, Gamma1));
}

}  // namespace

bool CriticalSpans(double StressAverage, double StressMax, double TempAverage, double TempMin, double TempIce,
                   double Gamma1, double GammaMax, double Beta, double Alpha, double& l1, double& l2,
                   double& l3, std::vector<TLocalMessage>* messages) {
  int failed = FailedCheck(StressAverage, StressMax, TempMin, TempIce);
  if (failed >= 0) {
    if (messages) messages->push_back({MessageKind::Warning, MessageButtons::Ok, {{kRefusals[failed], ""}}});
    return false;
  }
  // Computed in this order so that a zero divisor is met where it arises.
  double r1 = StressAverage / StressMax;
  double R1 = Divide(6 * (Beta * (StressAverage - StressMax) + Alpha * (TempAverage - TempMin)), 1 - r1 * r1);
  double span1 = SpanOrMarker(Finite(R1), StressAverage, Gamma1);
  double q = Divide(GammaMax, Gamma1);
  double R2 = Divide(6 * Alpha * (TempIce - TempMin), q * q - 1);
  double span2 = Finite(Divide(SquareRoot(Finite(R2)) * 2 * StressMax, Gamma1));
  double r3 = StressMax / StressAverage;
  double R3 =
      Divide(6 * (Beta * (StressMax - StressAverage) + Alpha * (TempIce - TempAverage)), q * q - r3 * r3);
  double span3 = SpanOrMarker(Finite(R3), StressMax, Gamma1);
  l1 = span1;
  l2 = span2;
  l3 = span3;
  return true;
}

}  // namespace orv::calc
