#include "calc/klimat.h"

namespace orv::calc {

TKlimat::TKlimat() { SetDefaults(); }

void TKlimat::SetDefaults() {
  IceThickness = 5;
  WindVelocityMax = 0;
  WindVelocityIce = 0;
  TempMin = -55;
  TempMax = 40;
  TempIceNoWind = -5;
  TempIceWind = 0;
  TempAverage = 0;
}

void TKlimat::AssignFrom(const TKlimat& other) { *this = other; }

}  // namespace orv::calc
