#include "calc/input_ranges.h"

#include <limits>
#include <utility>

#include "base/number_text.h"

using namespace orv::base;
using namespace orv::settings;

namespace orv::calc {

namespace {

// Generous bounds: beyond them no line on earth is built, and the results
// would be numbers without meaning.
constexpr double kThickestIce = 100;            // mm
constexpr double kFastestWind = 100;            // m/s
constexpr double kColdest = -100, kHottest = 100;  // °C
constexpr double kLargestCoefficient = 10;
constexpr double kHighestWires = 1000;  // m over the ground

constexpr std::pair<double TKlimat::*, TInputRange> kKlimatRanges[] = {
    {&TKlimat::IceThickness, {"Range_ice", 0, kThickestIce}},
    {&TKlimat::WindVelocityMax, {"Range_wind_max", 0, kFastestWind}},
    {&TKlimat::WindVelocityIce, {"Range_wind_ice", 0, kFastestWind}},
    {&TKlimat::TempMin, {"Range_temp_min", kColdest, kHottest}},
    {&TKlimat::TempMax, {"Range_temp_max", kColdest, kHottest}},
    {&TKlimat::TempIceNoWind, {"Range_temp_ice_no_wind", kColdest, kHottest}},
    {&TKlimat::TempIceWind, {"Range_temp_ice_wind", kColdest, kHottest}},
    {&TKlimat::TempAverage, {"Range_temp_average", kColdest, kHottest}},
};

constexpr std::pair<double TKlimatKoef::*, TInputRange> kCoefficientRanges[] = {
    {&TKlimatKoef::WindRespCoef, {"Range_wind_resp", 0, kLargestCoefficient}},
    {&TKlimatKoef::WindRegionalCoef, {"Range_wind_regional", 0, kLargestCoefficient}},
    {&TKlimatKoef::WindReliabilityCoef, {"Range_wind_reliability", 0, kLargestCoefficient}},
    {&TKlimatKoef::IceRespCoef, {"Range_ice_resp", 0, kLargestCoefficient}},
    {&TKlimatKoef::IceRegionalCoef, {"Range_ice_regional", 0, kLargestCoefficient}},
    {&TKlimatKoef::IceReliabilityCoef, {"Range_ice_reliability", 0, kLargestCoefficient}},
    {&TKlimatKoef::IceOperatingCoef, {"Range_ice_operating", 0, kLargestCoefficient}},
};

constexpr std::pair<int32_t TKlimatKoef::*, TInputRange> kCoefficientIntegerRanges[] = {
    {&TKlimatKoef::WireHeight, {"Range_wire_height", 0, kHighestWires}},
};

// From the thinnest signal wire to the heaviest bundle conductor, with
// room on both sides; every figure above zero, since each divides somewhere.
constexpr std::pair<double TWireRecord::*, TInputRange> kWireRanges[] = {
    {&TWireRecord::WireDiameter, {"Range_wire_diameter", 0.1, 200}},
    {&TWireRecord::WireArea, {"Range_wire_area", 0.01, 20000}},
    {&TWireRecord::WireWeight, {"Range_wire_weight", 0.001, 100}},
    {&TWireRecord::WireModulus, {"Range_wire_modulus", 100, 100000}},
    {&TWireRecord::WireExpansion, {"Range_wire_expansion", 0, 0.0001}},
};

template <typename Table, typename Field>
const TInputRange& Find(const Table& table, Field field) {
  for (const auto& [member, range] : table) {
    if (member == field) return range;
  }
  // Every field of the table has a range; asking for another is a slip of ours.
  static constexpr TInputRange kAny{"", -std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
  return kAny;
}

template <typename Table, typename Record>
void AddRows(const Table& table, const Record& record, std::vector<TTextPart>& rows) {
  for (const auto& [member, range] : table) {
    for (TTextPart& part : RangeRow(range, static_cast<double>(record.*member))) rows.push_back(std::move(part));
  }
}

}  // namespace

const TInputRange& RangeOf(double TKlimat::*field) { return Find(kKlimatRanges, field); }
const TInputRange& RangeOf(double TKlimatKoef::*field) { return Find(kCoefficientRanges, field); }
const TInputRange& RangeOf(int32_t TKlimatKoef::*field) { return Find(kCoefficientIntegerRanges, field); }
const TInputRange& RangeOf(double TWireRecord::*field) { return Find(kWireRanges, field); }

std::vector<TTextPart> RangeRow(const char* key, double value, double lo, double hi) {
  if (value >= lo && value <= hi) return {};
  TTextPart range = hi == std::numeric_limits<double>::infinity() && lo == 0
                        ? TTextPart{"Range_not_negative", "\r\n"}
                        : TTextPart{"Range_outside", " " + FloatToText(lo) + " – " + FloatToText(hi) + "\r\n"};
  return {{key, " = " + FloatToExactText(value) + ": "}, std::move(range)};
}

std::vector<TTextPart> RangeRow(const TInputRange& range, double value) {
  return RangeRow(range.Key, value, range.Lo, range.Hi);
}

std::vector<TTextPart> KlimatRangeErrors(const TKlimat& klimat) {
  std::vector<TTextPart> rows;
  AddRows(kKlimatRanges, klimat, rows);
  return rows;
}

std::vector<TTextPart> KlimatKoefRangeErrors(const TKlimatKoef& koef) {
  std::vector<TTextPart> rows;
  AddRows(kCoefficientRanges, koef, rows);
  for (TTextPart& part : RangeRow(RangeOf(&TKlimatKoef::WireHeight), koef.WireHeight)) rows.push_back(std::move(part));
  return rows;
}

std::vector<TTextPart> WireRangeErrors(const TWireRecord& wire) {
  std::vector<TTextPart> rows;
  AddRows(kWireRanges, wire, rows);
  return rows;
}

std::vector<TTextPart> LimitOrderErrors(const TPillar& p) {
  const bool stresses = p.TensionMode == 0;
  const double average = stresses ? p.StressAverage : p.TensionAverage;
  const double maximum = stresses ? p.StressMax : p.TensionMax;
  if (maximum == 0 || average <= maximum) return {};
  return {{stresses ? "Range_stress_average" : "Range_tension_average", " = " + FloatToExactText(average) + ": "},
          {"Range_above_maximum", " " + FloatToExactText(maximum) + "\r\n"}};
}

}  // namespace orv::calc
