#include "cli/calc_csv.h"

#include "cli/calc_table.h"
#include "cli/command_line_messages.h"
#include "cli/json_text.h"
#include "settings/localization.h"

namespace {

std::string CsvNumber(const std::optional<double>& value) { return value ? JsonNumber(*value) : ""; }

std::string CsvRow(const std::vector<std::string>& fields) {
  std::string row;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) row += ',';
    row += CsvField(fields[i]);
  }
  return row + "\r\n";
}

std::string VerdictField(const TSupportOutcome& support) {
  if (support.Error || !support.Results.VerdictText) return support.Error ? CalcVerdictCell(support) : "";
  return OnOneLine(*support.Results.VerdictText);
}

std::vector<std::string> SupportFields(const TSupportOutcome& support) {
  const TSupportResults& r = support.Results;
  return {std::to_string(support.Index + 1),
          support.Number,
          support.Wire,
          CsvNumber(r.BalancingLoad),
          CsvNumber(r.MinWeightSpan),
          CsvNumber(r.VerticalLoadMinTemp),
          VerdictField(support),
          r.VerdictKey.value_or("")};
}

}  // namespace

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string CalcCsv(const std::vector<TSupportOutcome>& supports) {
  const auto headings = CalcTableHeadings();
  std::vector<std::string> header(headings.begin(), headings.end());
  header.push_back(IsEnglish() ? "Verdict key" : "Ключ рекомендации");
  std::string csv = CsvRow(header);
  for (const TSupportOutcome& support : supports) csv += CsvRow(SupportFields(support));
  return csv;
}
