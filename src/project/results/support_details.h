#pragma once

#include <string>
#include <vector>

#include "project/results/project_results.h"

namespace orv::project {

// One line of the details view: a quantity, its value and its unit, or a
// heading when only `Label` is set.
struct TDetailLine {
  std::string Label;
  std::string Value;
  std::string Unit;
  bool Heading = false;
};

// How the result of a support was reached, laid out for an engineer in the
// current language and units: loads, wire states, the string check and the
// result, each stage only as far as the calculation went.
std::vector<TDetailLine> SupportDetailLines(const TSupportOutcome& outcome);

}  // namespace orv::project
