#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/swing_angle.h"
#include "project/results/project_results.h"

namespace orv::diagrams {

// One swing case of the diagram: its curve, its limits and where the
// recommended hardware leaves it.
struct TSwingDiagramCase {
  calc::TSwingCase Case = calc::TSwingCase::None;
  calc::TSwingBalance Balance;
  double OwnAngle = 0;            // Alfa (p) or Alfa (a,b), degrees
  bool OwnsBallastAngle = false;  // the ballast angle belongs to this case
  double Needed = 0;              // kg this case needs under the hanging rule (its point on the limit)
  double NeededAngle = 0;         // the limit that weight meets: AlfaBal when a ballast is hung on this case
  double WeightSpan = 0;          // of this case, m
  double MinWeightSpan = 0;       // m; negative: not limiting
  std::optional<double> HardwareAngle;  // the swing the recommended hardware leaves, degrees
  double HardwareLimit = 0;             // the limit with that hardware, degrees
};

// What the swing diagram of one support shows: both cases in each panel.
struct TSwingDiagram {
  std::string SupportNumber;
  std::string VerdictText;
  calc::TSwingCase Governing = calc::TSwingCase::None;
  std::array<TSwingDiagramCase, 2> Cases;   // maximum wind, reduced wind
  double BallastAngle = 0;                  // degrees; 0 when there is none to draw
  double BallastFrom = 0;                   // kg: the ballast angle applies once a ballast is hung
  double FoundWeight = 0;                   // the balancing load, kg
  std::optional<double> RecommendedWeight;  // kg of the recommended hardware
};

// The diagram of a calculated support, its verdict in the language in force;
// empty when the support has no result or no swing check (no insulator
// string, or the calculation stopped before it).
std::optional<TSwingDiagram> SwingDiagramOf(const project::TSupportOutcome& outcome);

}  // namespace orv::diagrams
