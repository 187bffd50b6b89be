#include "project/results/results_table.h"

#include <charconv>
#include <cmath>
#include <map>
#include <string_view>

#include "base/text_utils.h"
#include "settings/localization.h"
#include "settings/units.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;

namespace orv::project {

namespace {

constexpr std::size_t Col(TResultColumn column) { return static_cast<std::size_t>(column); }

std::string Filled(const char* key, const std::string& first, const std::string& second = {}) {
  return LocalTextWith(key, first, second);
}

bool NBased() { return ForceFactor() != 1.0; }

std::string SpansText(const TPillar& s) {
  return ShortNumber(s.SpanLeft) + " / " + ShortNumber(s.SpanRight) + " (" + ShortNumber(s.SpanEquivalent) +
         ")";
}

std::string WeightSpanText(const TSupportOutcome& outcome) {
  const TSupportExplanation& x = outcome.Explanation;
  if (!outcome.Results.MinWeightSpan) return "";
  std::string text = *outcome.Results.MinWeightSpan < 0 ? LocalText("Results_not_limiting")
                                                        : ShortNumber(*outcome.Results.MinWeightSpan);
  if (x.Swing) text += " / " + ShortNumber(x.Swing->Governing().WeightSpan);
  return text;
}

// The symbol that tells the classes apart without their colours.
const char* ClassSymbol(TVerdictClass c) {
  switch (c) {
    case TVerdictClass::NothingNeeded:
      return "✓";
    case TVerdictClass::Dampers:
      return "≈";
    case TVerdictClass::Ballast:
      return "▼";
    case TVerdictClass::OverLimit:
      return "■";
    case TVerdictClass::Tearing:
      return "▲";
    case TVerdictClass::DataError:
      break;
  }
  return "✖";
}

}  // namespace

std::string ResultClassText(TVerdictClass c) {
  return std::string(ClassSymbol(c)) + " " + LocalText(VerdictClassKey(c));
}

namespace {

// Support numbers that occur more than once, with their rows (from 1).
std::map<std::string, std::string> RepeatedNumbers(const TProject& project) {
  std::map<std::string, std::vector<int>> rows;
  for (int i = 0; i < project.Pillars.Count(); ++i)
    rows[project.Pillars.Items(i).SupportNumber].push_back(i + 1);
  std::map<std::string, std::string> repeated;
  for (const auto& [number, at] : rows) {
    if (at.size() < 2) continue;
    std::string list;
    for (int row : at) list += (list.empty() ? "" : ", ") + std::to_string(row);
    repeated[number] = list;
  }
  return repeated;
}

// A text cell a spreadsheet would take for a formula (a support numbered
// "=2+3" calculated, "=HYPERLINK(...)" followed) gets a leading ', which the
// spreadsheet hides and a paste back takes off. Numbers stay numbers.
std::string CellText(const std::string& cell, bool isText) {
  std::string text = OnOneLine(cell);
  for (char& c : text)
    if (c == '\t') c = ' ';
  if (isText && StartsLikeFormula(text)) text.insert(0, 1, '\'');
  return text;
}

}  // namespace

std::string ShortNumber(double value, int decimals) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "";
  std::string text(buffer, result.ptr);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

std::string ForceText(double daN) {
  return ShortNumber(daN * ForceFactor(), NBased() ? 3 : 1) + " " +
         LocalText(NBased() ? "Unit_kN" : "Unit_daN");
}

std::array<std::string, kResultColumns> ResultColumnTitles() {
  return {LocalText("Results_col_number"),
          LocalText("Results_col_mark"),
          LocalText("Results_col_wire"),
          LocalText("Results_col_spans"),
          LocalText("Results_col_load"),
          LocalText("Results_col_hang"),
          LocalText("Results_col_weight_span"),
          LocalText(NBased() ? "Results_col_vertical_kN" : "Results_col_vertical_daN"),
          LocalText("Results_col_verdict")};
}

std::string HangingText(const std::optional<TVerdictId>& verdict) {
  if (!verdict) return "";
  if (*verdict == TVerdictId::NoUpwardForce) return LocalText("Results_hang_nothing");
  const TVerdict& v = VerdictOf(*verdict);
  if (!v.Hangs) return "";
  std::string text;
  if (v.Dampers > 0) text = Filled("Results_dampers", std::to_string(v.Dampers));
  if (v.Ballast > 0) {
    const char* type = v.Ballast > 100 ? "Results_ballast_200" : "Results_ballast_100";
    text += (text.empty() ? "" : " + ") + Filled(type, ShortNumber(v.Ballast, 0));
  }
  return text.empty() ? LocalText("Results_hang_nothing") : text;
}

std::string SwingCaseText(TSwingCase c) {
  return LocalText(c == TSwingCase::MaxWind ? "Results_case_max_wind" : "Results_case_reduced_wind");
}

std::string SmallestSpanText(double metres) {
  if (metres < 0) return LocalText("Results_not_limiting");
  return ShortNumber(metres) + " " + LocalText("Unit_m");
}

std::string HardwareAnglesText(const TSupportOutcome& outcome) {
  if (!outcome.Swing) return "";
  std::string text;
  for (const TSwingCaseSketch& c : outcome.Swing->Cases) {
    if (!c.HardwareAngle) return "";
    // The text's third mark is the limit.
    std::string angle = Filled("Results_case_angle", SwingCaseText(c.Case), ShortNumber(*c.HardwareAngle));
    const std::size_t mark = angle.find("%3");
    if (mark != std::string::npos) angle.replace(mark, 2, ShortNumber(c.HardwareLimit));
    text += (text.empty() ? "" : ", ") + angle;
  }
  return text;
}

std::string WarningText(const TCalcWarning& warning) {
  if (!warning.Force) return LocalText(warning.Key);
  return Filled(warning.Key.c_str(), ForceText(*warning.Force));
}

namespace {

// A message on one line: each of its lines ends as a sentence, so that a
// range row is not run into the next ("… 0 – 100000. Calculation is …").
std::string MessageOnOneLine(const TLocalMessage& message) {
  std::string text = MessageText(message);
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) {
    if (at > 0 && std::string_view(".!?").find(text[at - 1]) == std::string_view::npos) text.insert(at++, ".");
  }
  return OnOneLine(text);
}

}  // namespace

std::string VerdictOrMessage(const TSupportOutcome& outcome) {
  if (outcome.Error) return LocalText("Explain_error") + ": " + OnOneLine(MessageText(*outcome.Error));
  // The mark before the text already says "Data error"; the messages say why.
  const bool dataError = outcome.Results.Verdict == TVerdictId::DataError && !outcome.Messages.empty();
  std::string text = dataError ? "" : OnOneLine(VerdictText(outcome.Results).value_or(""));
  for (const TLocalMessage& message : outcome.Messages)
    text += (text.empty() ? "" : " ") + MessageOnOneLine(message);
  for (const TCalcWarning& warning : outcome.Explanation.Warnings)
    text += (text.empty() ? "⚠ " : " ⚠ ") + WarningText(warning);
  return text;
}

std::string StopCheckText(TStopCheck check) {
  switch (check) {
    case TStopCheck::Range:
      return LocalText("Explain_stop_range");
    case TStopCheck::CriticalSpans:
      return LocalText("Explain_stop_critical_spans");
    case TStopCheck::GoverningCase:
      return LocalText("Explain_stop_governing_case");
    case TStopCheck::Angle:
      return LocalText("Explain_stop_angle");
    case TStopCheck::VibrationCoefficient:
      return LocalText("Explain_stop_vibration");
    case TStopCheck::None:
      break;
  }
  return "";
}

namespace {

// A state by its number, as the method numbers it, and by its name.
std::string CaseText(TGoverningCase c) {
  static constexpr const char* kNames[] = {"Details_governing_1", "Details_governing_2", "Details_governing_3"};
  const int number = static_cast<int>(c);
  if (number < 1 || number > 3) return LocalText("Explain_none");
  return std::to_string(number) + " — " + LocalText(kNames[number - 1]);
}

}  // namespace

std::string GoverningStateText(const TSupportExplanation& x) {
  std::string text = CaseText(x.GoverningCase);
  if (x.GoverningRule != x.GoverningCase)
    text += " (" + LocalText("Details_rule_named") + " " + CaseText(x.GoverningRule) + ")";
  return text;
}

std::string HeavierHardwareReason(const TSupportOutcome& outcome) {
  const TSupportExplanation& x = outcome.Explanation;
  const TSupportResults& r = outcome.Results;
  if (!x.Swing || !x.Swing->BallastHung || !r.Verdict || !r.BalancingLoad) return "";
  const std::optional<double> weight = VerdictOf(*r.Verdict).Weight(x.Swing->DamperWeight);
  if (!weight || *weight <= *r.BalancingLoad) return "";
  return Filled("Results_reason_ballast_heavier", ShortNumber(*weight), ShortNumber(*r.BalancingLoad));
}

namespace {

// What the case that did not govern needs, and which case the ballast
// angle belongs to when a ballast is hung.
std::string OtherCaseText(const TSwingExplanation& w) {
  const TSwingCase other = w.Case == TSwingCase::MaxWind ? TSwingCase::ReducedWind : TSwingCase::MaxWind;
  std::string text = Filled("Results_reason_other_case", SwingCaseText(other), ShortNumber(w.Of(other).Need));
  if (w.BallastHung && w.BallastCase != TSwingCase::None)
    text += "; " + Filled("Results_reason_ballast_angle", ShortNumber(w.BallastAngle), SwingCaseText(w.BallastCase));
  return text;
}

}  // namespace

std::string VerdictReason(const TSupportOutcome& outcome) {
  if (outcome.Error) return LocalText("Explain_error") + ": " + OnOneLine(MessageText(*outcome.Error));
  const TSupportExplanation& x = outcome.Explanation;
  if (x.StoppedAt != TStopCheck::None) {
    return Filled("Results_reason_stopped", StopCheckText(x.StoppedAt));
  }
  if (x.Swing) {
    const TSwingExplanation& w = *x.Swing;
    const TSwingCaseExplanation& g = w.Governing();
    std::string text = Filled("Results_reason_governs", SwingCaseText(w.Case), SmallestSpanText(g.MinWeightSpan)) +
                       ", " + Filled("Results_reason_own_span", ShortNumber(g.WeightSpan));
    text += "; " + OtherCaseText(w);
    const std::string heavier = HeavierHardwareReason(outcome);
    if (!heavier.empty()) text += "; " + heavier;
    const std::string angles = HardwareAnglesText(outcome);
    if (!angles.empty()) text += "; " + Filled("Results_reason_hardware_angles", angles);
    return text;
  }
  if (outcome.Results.VerticalLoadMinTemp)
    return Filled("Results_reason_no_string", ForceText(*outcome.Results.VerticalLoadMinTemp));
  return VerdictOrMessage(outcome);
}

TResultRow ResultRowOf(const TPillar& support, const TSupportOutcome& outcome) {
  const TSupportResults& r = outcome.Results;
  TResultRow row;
  row.Index = outcome.Index;
  row.Failed = outcome.Failed();
  row.Class = row.Failed ? TVerdictClass::DataError : VerdictClassOf(r.Verdict);
  auto& cells = row.Cells;
  cells[Col(TResultColumn::Number)] = support.SupportNumber;
  cells[Col(TResultColumn::Wire)] = support.WireName;
  cells[Col(TResultColumn::Spans)] = SpansText(support);
  cells[Col(TResultColumn::Load)] = r.BalancingLoad ? ShortNumber(*r.BalancingLoad) : "";
  cells[Col(TResultColumn::Hang)] = row.Failed ? "" : HangingText(r.Verdict);
  cells[Col(TResultColumn::WeightSpan)] = WeightSpanText(outcome);
  cells[Col(TResultColumn::VerticalLoad)] =
      r.VerticalLoadMinTemp ? ShortNumber(*r.VerticalLoadMinTemp * ForceFactor(), NBased() ? 3 : 1) : "";
  cells[Col(TResultColumn::Mark)] = ResultClassText(row.Class);
  cells[Col(TResultColumn::Verdict)] = VerdictOrMessage(outcome);
  auto& sort = row.SortValues;
  sort[Col(TResultColumn::Spans)] = support.SpanEquivalent;
  sort[Col(TResultColumn::Load)] = r.BalancingLoad;
  if (r.Verdict && !row.Failed) sort[Col(TResultColumn::Hang)] = VerdictOf(*r.Verdict).Weight(support.DamperWeight);
  sort[Col(TResultColumn::WeightSpan)] = r.MinWeightSpan;
  if (r.VerticalLoadMinTemp) sort[Col(TResultColumn::VerticalLoad)] = *r.VerticalLoadMinTemp;
  sort[Col(TResultColumn::Mark)] = static_cast<double>(row.Class);
  return row;
}

std::vector<TResultRow> MakeResultRows(const TProject& project,
                                       const std::vector<TSupportOutcome>& outcomes) {
  const std::map<std::string, std::string> repeated = RepeatedNumbers(project);
  std::vector<TResultRow> rows;
  rows.reserve(outcomes.size());
  for (const TSupportOutcome& outcome : outcomes) {
    const TPillar& support = project.Pillars.Items(outcome.Index);
    TResultRow row = ResultRowOf(support, outcome);
    const auto found = repeated.find(support.SupportNumber);
    if (found != repeated.end()) {
      row.DuplicateNumber = true;
      std::string& verdict = row.Cells[Col(TResultColumn::Verdict)];
      verdict = Filled("Results_duplicate", support.SupportNumber, found->second) + " " + verdict;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string ResultRowsText(const std::vector<TResultRow>& rows) {
  std::string text;
  const auto line = [&text](const std::array<std::string, kResultColumns>& cells, const TResultRow* row) {
    for (std::size_t i = 0; i < cells.size(); ++i)
      text += (i ? "\t" : "") + CellText(cells[i], !row || !row->SortValues[i].has_value());
    text += "\r\n";
  };
  line(ResultColumnTitles(), nullptr);
  for (const TResultRow& row : rows) line(row.Cells, &row);
  return text;
}

}  // namespace orv::project
