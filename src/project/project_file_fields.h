#pragma once

#include <array>

#include "calc/klimat.h"
#include "calc/klimat_koef.h"
#include "calc/pillar.h"

// The order in which the project file keeps its one-real-a-line fields. The
// reader and the writer both walk these tables, so the two cannot disagree.

inline constexpr std::array<double orv::calc::TKlimat::*, 8> kClimateLines = {
    &orv::calc::TKlimat::TempIceNoWind, &orv::calc::TKlimat::TempIceWind, &orv::calc::TKlimat::TempMax,         &orv::calc::TKlimat::TempMin,
    &orv::calc::TKlimat::IceThickness,  &orv::calc::TKlimat::TempAverage, &orv::calc::TKlimat::WindVelocityMax, &orv::calc::TKlimat::WindVelocityIce};

// The three wind coefficients, then the four ice coefficients; the Dastrel
// file keeps them in the same order.
inline constexpr std::array<double orv::calc::TKlimatKoef::*, 7> kLoadCoefficientLines = {
    &orv::calc::TKlimatKoef::WindRespCoef,    &orv::calc::TKlimatKoef::WindRegionalCoef, &orv::calc::TKlimatKoef::WindReliabilityCoef,
    &orv::calc::TKlimatKoef::IceRespCoef,     &orv::calc::TKlimatKoef::IceRegionalCoef,  &orv::calc::TKlimatKoef::IceReliabilityCoef,
    &orv::calc::TKlimatKoef::IceOperatingCoef};

// A support's reals before its two limit pairs, and after them.
inline constexpr std::array<double orv::calc::TPillar::*, 9> kSupportLinesBeforeLimits = {
    &orv::calc::TPillar::GroundLeft,     &orv::calc::TPillar::GroundThis,   &orv::calc::TPillar::GroundRight,
    &orv::calc::TPillar::TurnAngle,      &orv::calc::TPillar::SpanLeft,     &orv::calc::TPillar::SpanRight,
    &orv::calc::TPillar::SpanEquivalent, &orv::calc::TPillar::DamperWeight, &orv::calc::TPillar::InsulatorWeight};
inline constexpr std::array<double orv::calc::TPillar::*, 6> kSupportLinesAfterLimits = {
    &orv::calc::TPillar::HeightLeft, &orv::calc::TPillar::HeightThis, &orv::calc::TPillar::HeightRight,
    &orv::calc::TPillar::AlfaP,      &orv::calc::TPillar::AlfaAB,     &orv::calc::TPillar::AlfaBal};
