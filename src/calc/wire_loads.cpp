#include "calc/wire_loads.h"

#include "base/checked_math.h"

using namespace orv::base;

namespace orv::calc {

namespace {

// 0.9·π: ice of density 0.9 g/cm³.
constexpr double kIceFactor = 2.827433388230814;
// The drag coefficient of an iced wire, whatever its diameter.
constexpr double kIcedDrag = 1.2;

double Resultant(double a, double b) { return SquareRoot(a * a + b * b); }

void ComputeLoads(double K, double alfaIce, double kw, double ki, double Vice, double Vmax, double Cx,
                  double AlfaMax, double d, double b, double P1, TWireLoads& l) {
  l.P2 = kIceFactor * b * (d + b) / 1000 * ki;
  l.P3 = P1 + l.P2;
  l.P4 = AlfaMax * Cx * (Vmax * Vmax) * d * 0.001 / 16 * K * kw;
  l.P6_25 = 6.25 * Cx * d / 1000;
  double v03 = 0.3 * Vmax;
  l.P0_3 = (v03 * v03) * Cx * d * 0.001 / 16 * kw;
  l.P5 = alfaIce * kIcedDrag * (Vice * Vice) * (d + 2 * b) * 0.001 / 16 * K * kw;
  l.P6 = Resultant(P1, l.P4);
  l.R6_25 = Resultant(P1, l.P6_25);
  l.R0_3 = Resultant(P1, l.P0_3);
  l.P7 = Resultant(l.P3, l.P5);
}

void ComputeSpecificLoads(double area, double P1, TWireLoads& l) {
  l.Gamma1 = Finite(Divide(P1, area));
  l.Gamma2 = Finite(Divide(l.P2, area));
  l.Gamma3 = Finite(Divide(l.P3, area));
  l.Gamma4 = Finite(Divide(l.P4, area));
  l.Gamma6_25 = Finite(Divide(l.P6_25, area));
  l.Gamma5 = Finite(Divide(l.P5, area));
  l.Gamma0_3 = Finite(Divide(l.P0_3, area));
  l.Gamma6 = Finite(Divide(l.P6, area));
  l.GammaR6_25 = Finite(Divide(l.R6_25, area));
  l.Gamma7 = Finite(Divide(l.P7, area));
  l.GammaR0_3 = Finite(Divide(l.R0_3, area));
}

}  // namespace

double WireLoads(THeightSelector selector, const TKlimatKoef& coefficients, double Vice, double Vmax,
                 double Cx, double AlfaMax, double area, double d, double b, double P1, TWireLoads& loads) {
  double K = HeightFactor(coefficients, selector);
  double alfaIce = SpanWindFactor(Vice);
  double kw = coefficients.WindRespCoef * coefficients.WindRegionalCoef * coefficients.WindReliabilityCoef;
  double ki = coefficients.IceRespCoef * coefficients.IceRegionalCoef * coefficients.IceReliabilityCoef *
              coefficients.IceOperatingCoef;
  loads.K = K;
  loads.AlfaMax = AlfaMax;
  loads.AlfaIce = alfaIce;
  loads.Cx = Cx;
  ComputeLoads(K, alfaIce, kw, ki, Vice, Vmax, Cx, AlfaMax, d, b, P1, loads);
  ComputeSpecificLoads(area, P1, loads);
  return loads.Gamma6 >= loads.Gamma7 ? loads.Gamma6 : loads.Gamma7;
}

}  // namespace orv::calc
