#pragma once

#include <string>

#include "calc/klimat_koef.h"
#include "calc/pillar.h"

// Every input of a support outside its physical range, one row each
// ("Number of wires in phase = -1: outside the range 1 – 3"), in the current
// language; empty when all are in range. Of the limits only those of the
// support's TensionMode are checked. A zero span or limit is left to the
// calculation, which refuses it with its own message.
std::string SupportRangeErrors(const TPillar& pillar, const TKlimatKoef& coefficients);

// False, after an error box with those rows and "Calculation is impossible!",
// when an input is outside its range.
bool SupportInRange(const TPillar& pillar, const TKlimatKoef& coefficients);
