#include "calc/klimat_koef.h"

namespace orv::calc {

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

void TKlimatKoef::TerrainLetter(std::string& text) const {
  if (TerrainType >= 1 && TerrainType <= 3) text.assign(1, static_cast<char>('A' + TerrainType - 1));
}

}  // namespace orv::calc
