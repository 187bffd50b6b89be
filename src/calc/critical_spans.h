#pragma once

#include <vector>

#include "settings/local_message.h"

namespace orv::calc {

// A critical span whose radicand is not positive. A positive number smaller
// than any real span: the governing-case choice tests it by exact equality
// and also compares it with spans by magnitude.
inline constexpr double kImaginarySpan = 3.1415926535897933e-50;

// The three critical spans (m) of a wire from the stress at the average
// annual temperature and the maximum permissible stress (daN/mm²), the
// average, minimum and ice temperatures (°C), the specific loads of own
// weight and the greatest one (daN/(m·mm²)), the compliance β = 1/E and the
// thermal expansion α. Input that makes the calculation impossible adds a
// warning to `messages`, when given, and returns false with l1, l2, l3
// untouched.
bool CriticalSpans(double StressAverage, double StressMax, double TempAverage, double TempMin, double TempIce,
                   double Gamma1, double GammaMax, double Beta, double Alpha, double& l1, double& l2,
                   double& l3, std::vector<settings::TLocalMessage>* messages = nullptr);

}  // namespace orv::calc
