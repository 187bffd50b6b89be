#pragma once

#include <array>

#include "calc/klimat.h"
#include "calc/klimat_koef.h"
#include "calc/pillar.h"

// The order in which the project file keeps its one-real-a-line fields. The
// reader and the writer both walk these tables, so the two cannot disagree.

inline constexpr std::array<double TKlimat::*, 8> kClimateLines = {
    &TKlimat::TempIceNoWind, &TKlimat::TempIceWind, &TKlimat::TempMax,         &TKlimat::TempMin,
    &TKlimat::IceThickness,  &TKlimat::TempAverage, &TKlimat::WindVelocityMax, &TKlimat::WindVelocityIce};

// The three wind coefficients, then the four ice coefficients; the Dastrel
// file keeps them in the same order.
inline constexpr std::array<double TKlimatKoef::*, 7> kLoadCoefficientLines = {
    &TKlimatKoef::WindRespCoef,    &TKlimatKoef::WindRegionalCoef, &TKlimatKoef::WindReliabilityCoef,
    &TKlimatKoef::IceRespCoef,     &TKlimatKoef::IceRegionalCoef,  &TKlimatKoef::IceReliabilityCoef,
    &TKlimatKoef::IceOperatingCoef};

// A support's reals before its two limit pairs, and after them.
inline constexpr std::array<double TPillar::*, 9> kSupportLinesBeforeLimits = {
    &TPillar::GroundLeft,     &TPillar::GroundThis,   &TPillar::GroundRight,
    &TPillar::TurnAngle,      &TPillar::SpanLeft,     &TPillar::SpanRight,
    &TPillar::SpanEquivalent, &TPillar::DamperWeight, &TPillar::InsulatorWeight};
inline constexpr std::array<double TPillar::*, 6> kSupportLinesAfterLimits = {
    &TPillar::HeightLeft, &TPillar::HeightThis, &TPillar::HeightRight,
    &TPillar::AlfaP,      &TPillar::AlfaAB,     &TPillar::AlfaBal};
