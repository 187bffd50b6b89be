#pragma once

#include <array>

#include "calc/klimat.h"
#include "calc/klimat_koef.h"
#include "calc/pillar.h"

namespace orv::project::detail {

// The order in which the project file keeps its one-real-a-line fields. The
// reader and the writer both walk these tables, so the two cannot disagree.

inline constexpr std::array<double calc::TKlimat::*, 8> kClimateLines = {
    &calc::TKlimat::TempIceNoWind, &calc::TKlimat::TempIceWind, &calc::TKlimat::TempMax,         &calc::TKlimat::TempMin,
    &calc::TKlimat::IceThickness,  &calc::TKlimat::TempAverage, &calc::TKlimat::WindVelocityMax, &calc::TKlimat::WindVelocityIce};

// The three wind coefficients, then the four ice coefficients; the Dastrel
// file keeps them in the same order.
inline constexpr std::array<double calc::TKlimatKoef::*, 7> kLoadCoefficientLines = {
    &calc::TKlimatKoef::WindRespCoef,    &calc::TKlimatKoef::WindRegionalCoef, &calc::TKlimatKoef::WindReliabilityCoef,
    &calc::TKlimatKoef::IceRespCoef,     &calc::TKlimatKoef::IceRegionalCoef,  &calc::TKlimatKoef::IceReliabilityCoef,
    &calc::TKlimatKoef::IceOperatingCoef};

// A support's reals before its two limit pairs, and after them.
inline constexpr std::array<double calc::TPillar::*, 9> kSupportLinesBeforeLimits = {
    &calc::TPillar::GroundLeft,     &calc::TPillar::GroundThis,   &calc::TPillar::GroundRight,
    &calc::TPillar::TurnAngle,      &calc::TPillar::SpanLeft,     &calc::TPillar::SpanRight,
    &calc::TPillar::SpanEquivalent, &calc::TPillar::DamperWeight, &calc::TPillar::InsulatorWeight};
inline constexpr std::array<double calc::TPillar::*, 6> kSupportLinesAfterLimits = {
    &calc::TPillar::HeightLeft, &calc::TPillar::HeightThis, &calc::TPillar::HeightRight,
    &calc::TPillar::AlfaP,      &calc::TPillar::AlfaAB,     &calc::TPillar::AlfaBal};

}  // namespace orv::project::detail
