#pragma once

#include <optional>
#include <string>

#include "calc/pillar.h"
#include "calc/wire_record.h"

// An input that makes the support's calculation impossible, named as the
// user knows it (the field and its value, or the wire and its datum) rather
// than as the arithmetic that would fail; nothing when there is none.
std::optional<std::string> SupportInputProblem(const TPillar& support, const TWireRecord& wire);

// The message for an error the calculation raised: an arithmetic error is
// said in the current language in the user's terms; any other is kept.
std::string CalculationErrorText(const std::string& what);
