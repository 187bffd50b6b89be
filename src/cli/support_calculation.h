#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/calculate_support.h"
#include "cli/command_line_messages.h"
#include "project/project.h"
#include "project/wires_list.h"

// What `orvane calc` reports for one support.
struct SupportCalculation {
  int index = 0;
  std::string number;
  std::string wire;
  TSupportResults results;
  std::vector<std::string> messages;  // the boxes its calculation showed
  std::optional<std::string> error;   // what ended its calculation

  // No result came out: an error, a "Data error" verdict, or a calculation
  // that ended before writing anything.
  bool Failed() const;
};

// Calculates every support on its own: an error in one (a zero divisor, a
// wire missing from the catalogue) is kept in its entry and the next support
// is calculated all the same.
std::vector<SupportCalculation> CalculateSupports(const TProject& project, const TWiresList& catalogue,
                                                  CommandLineMessages& messages);
