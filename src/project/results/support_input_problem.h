#pragma once

#include <optional>
#include <string>

#include "calc/pillar.h"
#include "calc/wire_record.h"

namespace orv::project {

// An input that can make the support's calculation divide by zero, named as
// the user knows it (the field and its value, or the wire and its datum);
// nothing when there is none.
std::optional<std::string> SupportInputProblem(const calc::TPillar& support, const calc::TWireRecord& wire);

// The message for an error the calculation of `support` raised: an
// arithmetic error is said in the user's terms, by the input that caused it
// when SupportInputProblem finds one; any other message is kept.
std::string CalculationErrorText(const std::string& what, const calc::TPillar& support, const calc::TWireRecord& wire);

}  // namespace orv::project
