#include "cli/calc_csv.h"

#include <string_view>

#include "cli/calc_table.h"
#include "cli/command_line_messages.h"
#include "cli/json_text.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;

namespace orv::cli {

namespace {

// A field of the row: a number as it is, a text made safe (CsvField).
struct CsvCell {
  std::string text;
  bool number = false;
};

CsvCell CsvNumber(const std::optional<double>& value) { return {value ? JsonNumber(*value) : "", true}; }

std::string CsvRow(const std::vector<CsvCell>& cells) {
  std::string row;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) row += ',';
    row += cells[i].number ? cells[i].text : CsvField(cells[i].text);
  }
  return row + "\r\n";
}

std::string VerdictField(const TSupportOutcome& support) {
  if (support.Error || !support.Results.Verdict) return support.Error ? CalcVerdictCell(support) : "";
  return OnOneLine(*VerdictText(support.Results));
}

// The dictionary keys of the data warnings, as the verdict's key is given:
// a script tells them apart whatever the language.
std::string WarningKeys(const TSupportOutcome& support) {
  std::string keys;
  for (const TCalcWarning& warning : support.Explanation.Warnings)
    keys += (keys.empty() ? "" : " ") + warning.Key;
  return keys;
}

std::vector<CsvCell> SupportFields(const TSupportOutcome& support) {
  const TSupportResults& r = support.Results;
  return {{std::to_string(support.Index + 1), true},
          {support.Number},
          {support.Wire},
          CsvNumber(r.BalancingLoad),
          CsvNumber(r.MinWeightSpan),
          CsvNumber(r.VerticalLoadMinTemp),
          {VerdictField(support)},
          {r.Verdict ? VerdictOf(*r.Verdict).Key : ""},
          {WarningKeys(support)}};
}

// A spreadsheet takes a text beginning with one of these for a formula (a
// support numbered "=2+3" would be calculated, "=HYPERLINK(...)" followed).
bool LooksLikeFormula(const std::string& text) {
  return !text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos;
}

}  // namespace

std::string CsvField(const std::string& field) {
  const std::string text = LooksLikeFormula(field) ? "'" + field : field;
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string CalcCsv(const std::vector<TSupportOutcome>& supports, bool byteOrderMark) {
  std::vector<CsvCell> header;
  // The numbers stay in daN whatever the units setting: so does the header.
  for (const std::string& heading : CalcTableHeadings(false)) header.push_back({heading});
  header.push_back({IsEnglish() ? "Verdict key" : "Ключ рекомендации"});
  header.push_back({IsEnglish() ? "Warning keys" : "Ключи предупреждений"});
  std::string csv = (byteOrderMark ? "\xEF\xBB\xBF" : "") + CsvRow(header);
  for (const TSupportOutcome& support : supports) csv += CsvRow(SupportFields(support));
  return csv;
}

}  // namespace orv::cli
