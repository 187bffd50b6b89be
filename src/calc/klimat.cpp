#include "calc/klimat.h"

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

bool TKlimat::IsEqual(const TKlimat& other) const {
  return IceThickness == other.IceThickness && WindVelocityMax == other.WindVelocityMax &&
         WindVelocityIce == other.WindVelocityIce && TempMin == other.TempMin && TempMax == other.TempMax &&
         TempIceNoWind == other.TempIceNoWind && TempIceWind == other.TempIceWind &&
         TempAverage == other.TempAverage;
}
