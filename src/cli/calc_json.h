#pragma once

#include <string>
#include <vector>

#include "project/results/project_results.h"

namespace orv::cli {

// The JSON object of `orvane calc --format json`: the project as named on the
// command line, the language ("en" or "ru") and one entry per support, numbers
// with full double precision and null for what the calculation did not write.
// With explain, each entry also carries the object "explain" (see
// ExplainJson).
std::string CalcJson(const std::string& projectName, const std::string& language,
                     const std::vector<project::TSupportOutcome>& supports, bool explain = false);

}  // namespace orv::cli
