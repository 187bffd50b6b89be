#pragma once

namespace orv::calc {

// Dynamic coefficient of the wire's vibration for the maximum wind velocity
// (m/s): 1.3 in calm air down to 0.8 from 36 m/s on.
double DynamicCoefficient(double WindVelocityMax);

// Factor of the wind load for the length of the wind span (m): 1.2 up to
// 50 m down to 1.0 beyond 250 m.
double SpanLengthFactor(double WindSpan);

}  // namespace orv::calc
