#include "cli/calc_table.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <optional>

#include "base/cp1251.h"
#include "cli/command_line_messages.h"
#include "settings/localization.h"
#include "settings/units.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;

namespace orv::cli {

namespace {

constexpr size_t kColumns = 7;
using Row = std::array<std::string, kColumns>;

}  // namespace

std::string CalcVerdictCell(const TSupportOutcome& entry) {
  if (entry.Error) return (IsEnglish() ? "error: " : "ошибка: ") + OnOneLine(*ErrorText(entry));
  return entry.Results.Verdict ? OnOneLine(*VerdictText(entry.Results)) : "-";
}

bool NBased() { return ForceFactor() != 1.0; }

Row CalcTableHeadings(bool nBased) {
  if (IsEnglish()) {
    return {"#",
            "Support",
            "Wire",
            "Load, kg",
            "Min. weight span, m",
            nBased ? "Vertical load, kN" : "Vertical load, daN",
            "Verdict"};
  }
  return {"№",
          "Опора",
          "Провод",
          "Груз, кг",
          "Наим. весовой пролёт, м",
          nBased ? "Верт. нагрузка, кН" : "Верт. нагрузка, даН",
          "Рекомендация"};
}

std::string Fixed3(const std::optional<double>& value) {
  if (!value) return "-";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, *value, std::chars_format::fixed, 3);
  if (result.ec != std::errc()) return "-";
  return std::string(buffer, result.ptr);
}

namespace {

// A line has a handful of verdicts and up to thousands of supports: each
// verdict's text is looked up once per table.
class TVerdictCells {
 public:
  std::string Of(const TSupportOutcome& entry) {
    if (entry.Error || !entry.Results.Verdict) return CalcVerdictCell(entry);
    auto [cell, added] = cells_.try_emplace(*entry.Results.Verdict);
    if (added) cell->second = CalcVerdictCell(entry);
    return cell->second;
  }

 private:
  std::map<TVerdictId, std::string> cells_;
};

// Data the result was computed from but that should be looked at, marked
// after the verdict as the results view marks them.
std::string WarningMarks(const TSupportOutcome& entry) {
  std::string marks;
  for (const TCalcWarning& warning : entry.Explanation.Warnings) marks += " ⚠ " + LocalText(warning.Key);
  return marks;
}

Row RowOf(const TSupportOutcome& entry, TVerdictCells& verdicts) {
  const TSupportResults& results = entry.Results;
  return {std::to_string(entry.Index + 1),
          entry.Number,
          entry.Wire,
          Fixed3(results.BalancingLoad),
          // A negative smallest weight span limits nothing: said in words.
          results.MinWeightSpan && *results.MinWeightSpan < 0 ? LocalText("Results_not_limiting")
                                                              : Fixed3(results.MinWeightSpan),
          Fixed3(results.VerticalLoadMinTemp ? std::optional(*results.VerticalLoadMinTemp * ForceFactor())
                                             : std::nullopt),
          verdicts.Of(entry) + WarningMarks(entry)};
}

// Texts and the first columns are left-aligned, numbers right-aligned.
bool RightAligned(size_t column) { return column == 0 || (column >= 3 && column <= 5); }

void AppendPadded(std::string& out, const std::string& cell, size_t width, bool right) {
  const size_t length = Utf8Length(cell);
  const size_t fill = width > length ? width - length : 0;
  if (!right) out += cell;
  out.append(fill, ' ');
  if (right) out += cell;
}

void AppendLine(std::string& out, const Row& row, const std::array<size_t, kColumns>& widths) {
  for (size_t column = 0; column + 1 < kColumns; ++column) {
    AppendPadded(out, row[column], widths[column], RightAligned(column));
    out += "  ";
  }
  out += row[kColumns - 1];
  out += '\n';
}

}  // namespace

std::string CalcTable(const std::vector<TSupportOutcome>& supports) {
  std::vector<Row> rows;
  rows.reserve(supports.size() + 1);
  rows.push_back(CalcTableHeadings(NBased()));
  TVerdictCells verdicts;
  for (const TSupportOutcome& entry : supports) rows.push_back(RowOf(entry, verdicts));
  // The last column is not padded: its width is never needed. Beyond the
  // widths a line takes the bytes of its last cell and of the letters that
  // UTF-8 writes in more than one, so the table is made in one allocation.
  std::array<size_t, kColumns> widths{};
  size_t extraBytes = 0;
  for (const Row& row : rows) {
    for (size_t column = 0; column + 1 < kColumns; ++column) {
      const size_t length = Utf8Length(row[column]);
      widths[column] = std::max(widths[column], length);
      extraBytes += row[column].size() - length;
    }
    extraBytes += row[kColumns - 1].size() + 1;
  }
  size_t lineWidth = 0;
  for (size_t width : widths) lineWidth += width + 2;
  std::string table;
  table.reserve(rows.size() * lineWidth + extraBytes);
  for (const Row& row : rows) AppendLine(table, row, widths);
  return table;
}

}  // namespace orv::cli
