#pragma once

namespace orv::calc {

// Trigonometry of angles given in degrees. The conversion to radians and the
// functions run in extended precision with π to its full extended value.

// sin x / cos x; "Floating point division by zero" where the cosine is 0.
double TanDeg(double x);

double SinDeg(double x);

}  // namespace orv::calc
