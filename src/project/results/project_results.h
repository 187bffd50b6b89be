#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculate_support.h"
#include "calc/support_explanation.h"
#include "calc/swing_angle.h"
#include "project/model/project.h"
#include "project/catalogue/wires_list.h"

namespace orv::project {

// One swing case as the pictures and the details draw it.
struct TSwingCaseSketch {
  calc::TSwingCase Case = calc::TSwingCase::None;
  calc::TSwingBalance Balance;
  double OwnAngle = 0;           // the case's permissible angle φ_c, degrees
  bool OwnsBallastAngle = false;  // the ballast angle belongs to this case
  // The limit with the recommended hardware hung: AlfaBal when it hangs a
  // ballast and the ballast angle belongs to this case, φ_c otherwise.
  double HardwareLimit = 0;
  std::optional<double> HardwareAngle;  // the swing angle the recommended hardware leaves, degrees
  bool operator==(const TSwingCaseSketch&) const = default;
};

// What the swing diagram draws beyond the record, worked out with the
// calculation so that the pictures draw from the outcome alone.
struct TSwingSketch {
  std::array<TSwingCaseSketch, 2> Cases;  // maximum wind, reduced wind
  double BallastAngle = 0;                  // AlfaBal, degrees; 0 when there is none to draw
  double BallastFrom = 0;                   // kg: the ballast angle applies once a ballast is hung
  std::optional<double> RecommendedWeight;  // kg of the recommended hardware
  bool operator==(const TSwingSketch&) const = default;
};

// The result of one support of a project with how it was reached, the boxes
// its calculation asks for and its error, all language-free: the report, the
// results views, the command line and the pictures present it, each in its
// own way, in the language in force.
struct TSupportOutcome : calc::TCalcOutcome {
  int Index = 0;  // position in the project's list, from 0
  std::string Number;
  std::string Wire;
  bool WireMissing = false;  // the wire is not in the catalogue: Error says so, nothing was calculated
  std::optional<TSwingSketch> Swing;  // present when a result came out of the string check

  // No result came out: an error, a "Data error" verdict, or a calculation
  // that ended before writing anything.
  bool Failed() const;
  bool operator==(const TSupportOutcome&) const = default;
};

// The one way a support of a project is calculated: the wire looked up in
// `catalogue`, nothing shown, nothing shared, so outcomes may be worked out
// on several threads at once. An error of one support (a zero divisor, a wire
// missing from the catalogue) is kept in its outcome.
TSupportOutcome CalculateSupportOutcome(const TProject& project, const calc::TPillar& support, int index,
                                        const TWiresList& catalogue);

// The same for the support at `index` of the project.
TSupportOutcome CalculateProjectSupport(const TProject& project, int index, const TWiresList& catalogue);

// Every support on its own, in list order.
std::vector<TSupportOutcome> CalculateProjectSupports(const TProject& project, const TWiresList& catalogue);

// The text of the verdict, and of the error, in the language in force;
// empty for none.
std::optional<std::string> VerdictText(const calc::TSupportResults& results);
std::optional<std::string> ErrorText(const calc::TCalcOutcome& outcome);

}  // namespace orv::project
