#pragma once

#include <optional>
#include <string>

#include "calc/swing_angle.h"
#include "project/project_results.h"

namespace orv::diagrams {

// What the swing diagram of one support shows.
struct TSwingDiagram {
  std::string SupportNumber;
  std::string VerdictText;
  calc::TSwingBalance Balance;
  bool MaxWind = false;                     // governing case: maximum wind, else reduced wind
  double GoverningAngle = 0;                // Alfa (p) or Alfa (a,b), degrees
  double BallastAngle = 0;                  // degrees; 0 when there is none to draw
  double BallastFrom = 0;                   // kg: the ballast angle applies once a ballast is hung
  bool BallastAngleUsed = false;            // the found load is the one at the ballast angle
  double PermissibleAngle = 0;              // the angle the found load meets, degrees
  double FoundWeight = 0;                   // the balancing load, kg
  double LoadAtGoverningAngle = 0;          // Load(φ_g), kg
  std::optional<double> RecommendedWeight;  // kg of the recommended hardware
  double RecommendedAngle = 0;              // the angle that applies to it: AlfaBal with a ballast, else φ_g
  double WeightSpan = 0;                    // of the governing case, m
  double MinWeightSpan = 0;                 // m
};

// The diagram of a calculated support, its verdict in the language in force;
// empty when the support has no result or no swing check (no insulator
// string, or the calculation stopped before it).
std::optional<TSwingDiagram> SwingDiagramOf(const project::TSupportOutcome& outcome);

}  // namespace orv::diagrams
