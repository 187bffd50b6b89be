#pragma once

#include "calc/klimat_koef.h"
#include "calc/wind_factors.h"

namespace orv::calc {

// Loads per metre of a wire (daN/m) in every load case and the specific
// loads (daN/(m·mm²)), each load divided by the sectional area.
struct TWireLoads {
  // The factors the loads were computed with, for the record.
  double K = 0;         // height factor of the wind pressure
  double AlfaMax = 0;   // span factor of the wind at Vmax
  double AlfaIce = 0;   // span factor of the wind at ice
  double Cx = 0;        // drag coefficient of the wire free of ice
  double P2 = 0;     // ice
  double P3 = 0;     // own weight with ice
  double P4 = 0;     // wind on the wire free of ice at the maximum velocity
  double P6_25 = 0;  // wind at the fixed pressure of 6.25 daN/m²
  double P0_3 = 0;   // wind at 0.3 of the maximum velocity
  double P5 = 0;     // wind on the iced wire
  double P6 = 0;     // own weight and P4
  double R6_25 = 0;  // own weight and P6.25
  double R0_3 = 0;   // own weight and P0.3
  double P7 = 0;     // weight with ice and P5
  double Gamma1 = 0;
  double Gamma2 = 0;
  double Gamma3 = 0;
  double Gamma4 = 0;
  double Gamma6_25 = 0;
  double Gamma5 = 0;
  double Gamma0_3 = 0;
  double Gamma6 = 0;
  double GammaR6_25 = 0;
  double Gamma7 = 0;
  double GammaR0_3 = 0;
};

// Fills loads and returns the greatest specific load, γ6 or γ7. Vice and
// Vmax in m/s, Cx the drag coefficient of the wire free of ice, AlfaMax the
// span factor of Vmax, area in mm², d and the ice thickness b in mm, P1 the
// wire's weight per metre.
double WireLoads(THeightSelector selector, const TKlimatKoef& coefficients, double Vice, double Vmax,
                 double Cx, double AlfaMax, double area, double d, double b, double P1, TWireLoads& loads);

}  // namespace orv::calc
