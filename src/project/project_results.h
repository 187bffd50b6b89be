#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/calculate_support.h"
#include "calc/support_explanation.h"
#include "project/project.h"
#include "project/wires_list.h"
#include "settings/ports/messages.h"

// A box the calculation of a support showed, kept instead of shown.
struct TSupportMessage {
  MessageKind Kind = MessageKind::Error;
  std::string Text;
};

// The result of one support of a project with how it was reached, as the
// results view and `orvane calc` show it.
struct TSupportOutcome {
  int Index = 0;  // position in the project's list, from 0
  std::string Number;
  std::string Wire;
  TSupportResults Results;
  TSupportExplanation Explanation;
  std::vector<TSupportMessage> Messages;  // the boxes its calculation showed
  std::optional<std::string> Error;       // what ended its calculation

  // No result came out: an error, a "Data error" verdict, or a calculation
  // that ended before writing anything.
  bool Failed() const;
};

// Calculates every support on its own, in list order, without showing a box:
// the calculation's boxes are kept in each outcome (questions are answered
// Yes), and an error in one support (a zero divisor, a wire missing from the
// catalogue) is kept in its outcome while the next is calculated all the same.
std::vector<TSupportOutcome> CalculateProjectSupports(const TProject& project, const TWiresList& catalogue);

// The same for one support at `index` of the project.
TSupportOutcome CalculateProjectSupport(const TProject& project, int index, const TWiresList& catalogue);

// The same for `support` as it would stand in the project at `index`, such
// as the values of an editor not yet taken over.
TSupportOutcome CalculateSupportOutcome(const TProject& project, const TPillar& support, int index,
                                        const TWiresList& catalogue);
