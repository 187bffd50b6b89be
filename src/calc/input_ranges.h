#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calc/klimat.h"
#include "calc/klimat_koef.h"
#include "calc/pillar.h"
#include "calc/wire_record.h"
#include "settings/local_message.h"

namespace orv::calc {

// The physical ranges of the climate, its coefficients and a wire record,
// as support_ranges has them for a support: one table that the project
// reader, the calculation of a project, the climate frames and the wire
// dialog all check against, so that none of them takes a value another
// would refuse.
struct TInputRange {
  const char* Key;  // the field's name in the dictionary
  double Lo, Hi;    // both belong to the range
  bool Holds(double value) const { return value >= Lo && value <= Hi; }
};

const TInputRange& RangeOf(double TKlimat::*field);
const TInputRange& RangeOf(double TKlimatKoef::*field);
// WireHeight. SupportHeight has none, since nothing uses it; TerrainType is
// among the support's ranges, which name it for each support.
const TInputRange& RangeOf(int32_t TKlimatKoef::*field);
const TInputRange& RangeOf(double TWireRecord::*field);

// The row "<field> = <value>: outside the range <lo> – <hi>" (or "must not
// be negative" for a range without an upper end), the value with every digit
// it needs; empty when `value` is in range.
std::vector<settings::TTextPart> RangeRow(const char* key, double value, double lo, double hi);
std::vector<settings::TTextPart> RangeRow(const TInputRange& range, double value);

// Every field out of range, one row each; empty when all are in range.
std::vector<settings::TTextPart> KlimatRangeErrors(const TKlimat& klimat);
std::vector<settings::TTextPart> KlimatKoefRangeErrors(const TKlimatKoef& koef);
std::vector<settings::TTextPart> WireRangeErrors(const TWireRecord& wire);

// The limit at the average temperature above the maximum one (of the pair
// the support's TensionMode uses): no state of the wire could keep both.
// A zero maximum is left to the calculation, which has its own refusal.
std::vector<settings::TTextPart> LimitOrderErrors(const TPillar& support);

}  // namespace orv::calc
