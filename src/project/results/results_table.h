#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/verdict_class.h"
#include "project/model/project.h"
#include "project/results/project_results.h"

namespace orv::project {

// The columns of the results table, in their order on screen.
enum class TResultColumn {
  Number,        // support number
  Mark,          // the verdict's class, with a symbol
  Wire,          // wire name
  Spans,         // left / right (equivalent), m
  Load,          // balancing load, kg
  Hang,          // dampers and ballast the verdict recommends
  WeightSpan,    // smallest / own weight span, m
  VerticalLoad,  // at the lowest temperature, daN or kN as the units say
  Verdict,       // the verdict in words, or why there is none
};
inline constexpr int kResultColumns = 9;

// One row of the results table: the texts in the current language and
// units, and what the view sorts and marks by.
struct TResultRow {
  int Index = 0;  // position of the support in the project, from 0
  calc::TVerdictClass Class = calc::TVerdictClass::DataError;
  bool Failed = false;           // no result: the verdict column holds the message
  bool DuplicateNumber = false;  // another support has the same number
  std::array<std::string, kResultColumns> Cells;
  // The value a numeric column sorts by; empty for a text column or no value.
  std::array<std::optional<double>, kResultColumns> SortValues;

  bool operator==(const TResultRow&) const = default;
};

// The column titles in the current language and units.
std::array<std::string, kResultColumns> ResultColumnTitles();

// The check that stopped a calculation, in words; empty for none.
std::string StopCheckText(calc::TStopCheck check);

// The mark column's text of a class: its symbol and its name in the current
// language.
std::string ResultClassText(calc::TVerdictClass verdictClass);

// The rows of every support of `project`, which gave `outcomes` (one per
// support, in order), with repeated support numbers flagged.
std::vector<TResultRow> MakeResultRows(const TProject& project, const std::vector<TSupportOutcome>& outcomes);

// The row of one support, without the check for repeated numbers.
TResultRow ResultRowOf(const calc::TPillar& support, const TSupportOutcome& outcome);

// The titles and `rows` as tab-separated lines (CR LF), as a spreadsheet
// pastes them into cells. Tabs and line breaks inside a cell become blanks; a
// text cell that would read as a formula starts with a quote mark (').
std::string ResultRowsText(const std::vector<TResultRow>& rows);

// What to hang for a verdict ("2 dampers + BL-100-1 50 kg"); "nothing" when
// no hardware is needed; empty for a verdict that names none.
std::string HangingText(const std::optional<calc::TVerdictId>& verdict);

// A swing case's name in words ("maximum wind").
std::string SwingCaseText(calc::TSwingCase swingCase);

// A smallest weight span as a person reads it: "334.7 m", or "not limiting"
// when it is negative (the wires alone hold the string at any weight span).
std::string SmallestSpanText(double metres);

// The swing angle the recommended hardware leaves in each case against that
// case's limit: "maximum wind 38.2° of 45°, reduced wind 9.9° of 10°"; empty
// when the verdict hangs nothing to weigh.
std::string HardwareAnglesText(const TSupportOutcome& outcome);

// A warning on the support's data in words, with the force it names.
std::string WarningText(const calc::TCalcWarning& warning);

// One line saying why the verdict is what it is, or what stopped the
// calculation: "reduced-wind swing governs: 334.7 m weight span needed, the
// support has 200 m".
std::string VerdictReason(const TSupportOutcome& outcome);

// The governing initial state, with the critical spans' own choice when the
// check of the limit states replaced it: "1 (the critical spans named 3)".
std::string GoverningStateText(const calc::TSupportExplanation& explanation);

// Why the hardware hung weighs more than the load found at the angle with
// ballast; empty when it does not, or no ballast angle applies.
std::string HeavierHardwareReason(const TSupportOutcome& outcome);

// The verdict in words, or the error or message that took its place, with
// the warnings on the support's data.
std::string VerdictOrMessage(const TSupportOutcome& outcome);

// Numbers as the results show them: `decimals` places at most, trailing
// zeros dropped, never "-0".
std::string ShortNumber(double value, int decimals = 1);
// A force (daN internally) with its unit as the units setting shows it.
std::string ForceText(double daN);

}  // namespace orv::project
