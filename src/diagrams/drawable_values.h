#pragma once

#include "diagrams/profile_data.h"
#include "diagrams/swing_diagram_data.h"

namespace orv::diagrams {

// What a picture file can show. The drawing itself clamps whatever it is
// given, so a window never stalls; a file of values it would have to clamp
// is refused instead, with these limits named.
constexpr int kMostProfileSupports = 10000;   // two pixels each in the widest profile
constexpr double kLargestLevel = 1e6;         // m, either side of zero
constexpr double kLongestLine = 1e8;          // m, neighbours' spans included
constexpr double kLargestDiagramValue = 1e9;  // m or kg on the swing diagram's axes

// Throws OrvError naming the support, the value and the limit when the
// profile holds more supports, higher or lower levels or a longer line than
// a file can show.
void CheckProfileDrawable(const TProfile& profile);

// Throws OrvError naming the value and the limit when the swing diagram holds
// a value beyond kLargestDiagramValue.
void CheckSwingDiagramDrawable(const TSwingDiagram& diagram);

}  // namespace orv::diagrams
