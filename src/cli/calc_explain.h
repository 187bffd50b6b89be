#pragma once

#include <string>
#include <vector>

#include "project/results/project_results.h"

namespace orv::cli {

// The object "explain" of one support in `orvane calc --explain --format
// json`: governing_state (1, 2, 3 or null), swing_case ("max_wind",
// "reduced_wind" or null), ballast_angle_used (true, false or null),
// critical_spans (m, null for an imaginary span; null when not reached),
// state_stresses (σ1, σ2, σ3, daN/mm²), weight_span (m), stopped_at (null or
// the check) and the other values of the record. null when an error ended
// the support's calculation.
std::string ExplainJson(const project::TSupportOutcome& support);

// `orvane calc --explain` in text form: after the table, a few lines per
// support in the current language.
std::string ExplainText(const std::vector<project::TSupportOutcome>& supports);

}  // namespace orv::cli
