#pragma once

#include <string>
#include <vector>

#include "calc/calculate_support.h"
#include "calc/verdict_class.h"
#include "project/model/project.h"
#include "project/results/project_results.h"

namespace orv::diagrams {

// One support of the line profile, with its neighbours as it holds them.
struct TProfileSupport {
  std::string Number;
  double Position = 0;                                     // distance along the line, m
  double GroundLeft = 0, GroundThis = 0, GroundRight = 0;  // m
  double HeightLeft = 0, HeightThis = 0, HeightRight = 0;  // attachment heights over the ground, m
  double SpanLeft = 0, SpanRight = 0;                      // m
  calc::TVerdictClass Class = calc::TVerdictClass::DataError;
  bool Tearing = false;  // an upward force at the lowest temperature

  bool operator==(const TProfileSupport&) const = default;
};

struct TProfile {
  std::vector<TProfileSupport> Supports;  // in their order along the line
};

// The profile of a project whose supports gave `outcomes` (those of
// CalculateProjectSupports, one per support; a failed one is a data error).
// Each support stands one span after the one before it: the span the earlier one
// holds to its right, or where that is not positive the span the later one
// holds to its left, or else 100 m, so that a line with gaps in its data
// still draws in order.
TProfile MakeProfile(const project::TProject& project, const std::vector<project::TSupportOutcome>& outcomes);

}  // namespace orv::diagrams
