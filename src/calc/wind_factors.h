#pragma once

#include "calc/klimat_koef.h"

namespace orv::calc {

// Which height of the coefficients the height factor is read for.
enum class THeightSelector { Wires, Supports };

// Standard wind pressure in daN/m² of a wind of v m/s.
double WindPressure(double v);

// Reduction of the wind pressure along a span at high velocities v, m/s.
double SpanWindFactor(double v);

// Height coefficient of the wind pressure for the selected height by the
// type of terrain; 1 for an unknown terrain type.
double HeightFactor(const TKlimatKoef& coefficients, THeightSelector selector);

}  // namespace orv::calc
