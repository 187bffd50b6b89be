#include "calc/klimat_koef.h"

TKlimatKoef::TKlimatKoef() { SetDefaults(); }

void TKlimatKoef::SetDefaults() {
  WindRespCoef = 1;
  WindRegionalCoef = 1;
  WindReliabilityCoef = 1;
  IceRespCoef = 1;
  IceRegionalCoef = 1;
  IceReliabilityCoef = 1;
  IceOperatingCoef = 1;
  WireHeight = 15;
  SupportHeight = 15;
  TerrainType = 1;
}

void TKlimatKoef::AssignFrom(const TKlimatKoef& other) { *this = other; }

bool TKlimatKoef::IsEqual(const TKlimatKoef& other) const {
  return WindRespCoef == other.WindRespCoef && WindRegionalCoef == other.WindRegionalCoef &&
         WindReliabilityCoef == other.WindReliabilityCoef && IceRespCoef == other.IceRespCoef &&
         IceRegionalCoef == other.IceRegionalCoef && IceReliabilityCoef == other.IceReliabilityCoef &&
         IceOperatingCoef == other.IceOperatingCoef && WireHeight == other.WireHeight &&
         SupportHeight == other.SupportHeight && TerrainType == other.TerrainType;
}

void TKlimatKoef::TerrainLetter(std::string& text) const {
  if (TerrainType >= 1 && TerrainType <= 3) text.assign(1, static_cast<char>('A' + TerrainType - 1));
}
