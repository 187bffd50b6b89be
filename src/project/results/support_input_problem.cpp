#include "project/results/support_input_problem.h"

#include "base/errors.h"
#include "base/number_text.h"
#include "base/text_excerpt.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;

namespace orv::project {

namespace {

std::string Number(double value) { return FloatToText(value); }

}  // namespace

std::optional<std::string> SupportInputProblem(const TPillar& support, const TWireRecord& wire) {
  const std::pair<double, const char*> spans[] = {{support.SpanLeft, "Problem_span_left"},
                                                  {support.SpanRight, "Problem_span_right"},
                                                  {support.SpanEquivalent, "Problem_span_equivalent"}};
  for (const auto& [span, key] : spans)
    if (span == 0) return LocalTextWith(key, Number(span));
  const std::pair<double, const char*> data[] = {{wire.WireArea, "Problem_wire_area"},
                                                 {wire.WireWeight, "Problem_wire_weight"},
                                                 {wire.WireModulus, "Problem_wire_modulus"}};
  for (const auto& [value, key] : data)
    if (value == 0) return LocalTextWith("Problem_wire_data", TextExcerpt(wire.WireName), LocalText(key));
  return std::nullopt;
}

std::string CalculationErrorText(const std::string& what, const TPillar& support, const TWireRecord& wire) {
  if (what != kDivisionByZero && what != kInvalidOperation) return what;
  if (const auto problem = SupportInputProblem(support, wire)) return *problem;
  return LocalText(what == kDivisionByZero ? "Problem_division" : "Problem_invalid");
}

}  // namespace orv::project
