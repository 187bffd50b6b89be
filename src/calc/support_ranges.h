#pragma once

#include <optional>
#include <vector>

#include "calc/klimat_koef.h"
#include "calc/pillar.h"
#include "settings/local_message.h"

namespace orv::calc {

// Every input of a support outside its physical range, one row each
// ("Number of wires in phase = -1: outside the range 1 – 3"), kept as
// dictionary keys and the values; empty when all are in range. Of the limits only those of the
// support's TensionMode are checked. A zero span or limit is left to the
// calculation, which refuses it with its own message.
std::vector<settings::TTextPart> SupportRangeErrors(const TPillar& pillar, const TKlimatKoef& coefficients);

// The error with those rows and "Calculation is impossible!" when an input
// is outside its range; empty when all are in range.
std::optional<settings::TLocalMessage> SupportRangeError(const TPillar& pillar, const TKlimatKoef& coefficients);

}  // namespace orv::calc
