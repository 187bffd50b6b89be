#include "calc/support_ranges.h"

#include <limits>
#include <utility>
#include <vector>

#include "base/number_text.h"
#include "calc/input_ranges.h"

using namespace orv::base;
using namespace orv::settings;

namespace orv::calc {

namespace {

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

// Generous bounds: no line on earth comes near them, and beyond them the
// results are numbers without meaning.
constexpr double kLongestSpan = 100000;                            // m
constexpr double kLowestGround = -1000, kHighestGround = 10000;    // m
constexpr double kHighestAttachment = 1000;                        // m over the ground
constexpr double kHeaviestDamper = 1000, kHeaviestString = 10000;  // kg
// Ten times the strength of the strongest steel wire; above it a limit is a
// slip of the keyboard, and 1e307 would overflow the tensions the report
// works out from it.
constexpr double kHighestStress = 1000;  // daN/mm²

struct TRange {
  const char* key;  // the field's name in the dictionary
  double value;
  double lo, hi;
};

std::vector<TRange> LimitRanges(const TPillar& p) {
  if (p.TensionMode == 0)
    return {{"Range_stress_max", p.StressMax, 0, kHighestStress},
            {"Range_stress_average", p.StressAverage, 0, kHighestStress}};
  return {{"Range_tension_max", static_cast<double>(p.TensionMax), 0, kNoLimit},
          {"Range_tension_average", static_cast<double>(p.TensionAverage), 0, kNoLimit}};
}

std::vector<TRange> RangesOf(const TPillar& p, const TKlimatKoef& c) {
  std::vector<TRange> ranges = {
      {"Range_wires", static_cast<double>(p.WiresInPhase), 1, 3},
      {"Range_ground_left", p.GroundLeft, kLowestGround, kHighestGround},
      {"Range_ground_this", p.GroundThis, kLowestGround, kHighestGround},
      {"Range_ground_right", p.GroundRight, kLowestGround, kHighestGround},
      {"Range_turn", p.TurnAngle, 0, 180},
      {"Range_span_left", p.SpanLeft, 0, kLongestSpan},
      {"Range_span_right", p.SpanRight, 0, kLongestSpan},
      {"Range_span_equivalent", p.SpanEquivalent, 0, kLongestSpan},
      {"Range_damper", p.DamperWeight, 0, kHeaviestDamper},
      {"Range_string", p.InsulatorWeight, 0, kHeaviestString},
      {"Range_height_left", p.HeightLeft, 0, kHighestAttachment},
      {"Range_height_this", p.HeightThis, 0, kHighestAttachment},
      {"Range_height_right", p.HeightRight, 0, kHighestAttachment},
      {"Range_alfa_p", p.AlfaP, 0, 90},
      {"Range_alfa_ab", p.AlfaAB, 0, 90},
      {"Range_alfa_bal", p.AlfaBal, 0, 90},
      {"Range_terrain", static_cast<double>(c.TerrainType), 1, 3},
  };
  for (const TRange& limit : LimitRanges(p)) ranges.push_back(limit);
  return ranges;
}

}  // namespace

std::vector<TTextPart> SupportRangeErrors(const TPillar& pillar, const TKlimatKoef& coefficients) {
  std::vector<TTextPart> rows;
  for (const TRange& r : RangesOf(pillar, coefficients)) {
    for (TTextPart& part : RangeRow(r.key, r.value, r.lo, r.hi)) rows.push_back(std::move(part));
  }
  return rows;
}

std::optional<TLocalMessage> SupportRangeError(const TPillar& pillar, const TKlimatKoef& coefficients) {
  std::vector<TTextPart> rows = SupportRangeErrors(pillar, coefficients);
  if (rows.empty()) return std::nullopt;
  rows.push_back({"Calculation_is_impossible", ""});
  return TLocalMessage{MessageKind::Error, MessageButtons::Ok, std::move(rows)};
}

}  // namespace orv::calc
