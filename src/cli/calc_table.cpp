#include "cli/calc_table.h"

#include <algorithm>
#include <array>
#include <charconv>
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
  return entry.Results.VerdictKey ? OnOneLine(*VerdictText(entry.Results)) : "-";
}

bool NBased() { return ForceFactor() != 1.0; }

Row CalcTableHeadings() {
  if (IsEnglish()) {
    return {"#",
            "Support",
            "Wire",
            "Load, kg",
            "Min. weight span, m",
            NBased() ? "Vertical load, kN" : "Vertical load, daN",
            "Verdict"};
  }
  return {"№",
          "Опора",
          "Провод",
          "Груз, кг",
          "Наим. весовой пролёт, м",
          NBased() ? "Верт. нагрузка, кН" : "Верт. нагрузка, даН",
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

Row RowOf(const TSupportOutcome& entry) {
  const TSupportResults& results = entry.Results;
  return {std::to_string(entry.Index + 1),
          entry.Number,
          entry.Wire,
          Fixed3(results.BalancingLoad),
          Fixed3(results.MinWeightSpan),
          Fixed3(results.VerticalLoadMinTemp ? std::optional(*results.VerticalLoadMinTemp * ForceFactor())
                                             : std::nullopt),
          CalcVerdictCell(entry)};
}

// Texts and the first columns are left-aligned, numbers right-aligned.
bool RightAligned(size_t column) { return column == 0 || (column >= 3 && column <= 5); }

std::string Padded(const std::string& cell, size_t width, bool right) {
  const size_t length = Utf8Length(cell);
  const std::string fill(width > length ? width - length : 0, ' ');
  return right ? fill + cell : cell + fill;
}

std::string Line(const Row& row, const std::array<size_t, kColumns>& widths) {
  std::string line;
  for (size_t column = 0; column + 1 < kColumns; ++column) {
    line += Padded(row[column], widths[column], RightAligned(column)) + "  ";
  }
  return line + row[kColumns - 1] + "\n";
}

}  // namespace

std::string CalcTable(const std::vector<TSupportOutcome>& supports) {
  std::vector<Row> rows{CalcTableHeadings()};
  for (const TSupportOutcome& entry : supports) rows.push_back(RowOf(entry));
  std::array<size_t, kColumns> widths{};
  for (const Row& row : rows) {
    for (size_t column = 0; column < kColumns; ++column) {
      widths[column] = std::max(widths[column], Utf8Length(row[column]));
    }
  }
  std::string table;
  for (const Row& row : rows) table += Line(row, widths);
  return table;
}

}  // namespace orv::cli
