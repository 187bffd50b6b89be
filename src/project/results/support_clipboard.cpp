#include "project/results/support_clipboard.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

#include "base/cp1251.h"
#include "base/errors.h"
#include "base/number_text.h"
#include "base/text_excerpt.h"
#include "base/text_utils.h"

using namespace orv::base;
using namespace orv::calc;

namespace orv::project {

namespace {

// One column: its header and how the field goes to and from a cell.
struct Column {
  const char* header;
  std::string (*write)(const TPillar&);
  void (*read)(TPillar&, const std::string&);
};

template <double TPillar::*field>
Column Real(const char* header) {
  return {header, [](const TPillar& p) { return FloatToText(p.*field); },
          [](TPillar& p, const std::string& cell) { p.*field = TextToFloat(cell); }};
}

// As the project reader: a value beyond the field's width is refused, never
// wrapped (a DeflectionDirection of 65536 would become 0 and flip the side).
template <typename Int, Int TPillar::*field>
Column Whole(const char* header) {
  return {header, [](const TPillar& p) { return IntToText(p.*field); },
          [](TPillar& p, const std::string& cell) {
            const int value = TextToInt(cell);
            if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
              throw OrvError("'" + TextExcerpt(cell) + "' is not a valid integer value");
            p.*field = static_cast<Int>(value);
          }};
}

// A text a spreadsheet would take for a formula goes out behind an
// apostrophe, as in the CSV, and comes back without it. A text whose
// apostrophes stand before such a start gets one more, so that it too comes
// back as it was.
bool NeedsMark(std::string_view text) {
  const std::size_t first = text.find_first_not_of('\'');
  return first != std::string_view::npos && StartsLikeFormula(text.substr(first));
}

std::string Protected(const std::string& text) { return NeedsMark(text) ? "'" + text : text; }

std::string Unprotected(const std::string& cell) {
  return cell.starts_with('\'') && NeedsMark(std::string_view(cell).substr(1)) ? cell.substr(1) : cell;
}

// The header names are the project's field names: stable, and readable in a
// spreadsheet.
const std::array<Column, 25>& Columns() {
  static const std::array<Column, 25> columns = {
      Column{"SupportNumber", [](const TPillar& p) { return Protected(p.SupportNumber); },
             [](TPillar& p, const std::string& cell) { p.SupportNumber = Utf8Left(Unprotected(cell), kSupportNumberLength); }},
      Column{"WireName", [](const TPillar& p) { return Protected(p.WireName); },
             [](TPillar& p, const std::string& cell) { p.WireName = Utf8Left(Unprotected(cell), kWireNameLength); }},
      Whole<int32_t, &TPillar::WiresInPhase>("WiresInPhase"),
      Real<&TPillar::GroundLeft>("GroundLeft"),
      Real<&TPillar::GroundThis>("GroundThis"),
      Real<&TPillar::GroundRight>("GroundRight"),
      Real<&TPillar::TurnAngle>("TurnAngle"),
      Real<&TPillar::SpanLeft>("SpanLeft"),
      Real<&TPillar::SpanRight>("SpanRight"),
      Real<&TPillar::SpanEquivalent>("SpanEquivalent"),
      Real<&TPillar::DamperWeight>("DamperWeight"),
      Real<&TPillar::InsulatorWeight>("InsulatorWeight"),
      Real<&TPillar::StressMax>("StressMax"),
      Real<&TPillar::StressAverage>("StressAverage"),
      Whole<int32_t, &TPillar::TensionMax>("TensionMax"),
      Whole<int32_t, &TPillar::TensionAverage>("TensionAverage"),
      Whole<int32_t, &TPillar::TensionMode>("TensionMode"),
      Real<&TPillar::HeightLeft>("HeightLeft"),
      Real<&TPillar::HeightThis>("HeightThis"),
      Real<&TPillar::HeightRight>("HeightRight"),
      Real<&TPillar::AlfaP>("AlfaP"),
      Real<&TPillar::AlfaAB>("AlfaAB"),
      Real<&TPillar::AlfaBal>("AlfaBal"),
      Whole<int32_t, &TPillar::Reserved>("Reserved"),
      Whole<int16_t, &TPillar::DeflectionDirection>("DeflectionDirection"),
  };
  return columns;
}

// A cell as a spreadsheet may hand it back: quoted, with doubled quotes.
std::string Unquoted(std::string cell) {
  if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') {
    cell = cell.substr(1, cell.size() - 2);
    for (std::size_t at = cell.find("\"\""); at != std::string::npos; at = cell.find("\"\"", at + 1))
      cell.erase(at, 1);
  }
  return cell;
}

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at = line.find(separator); at != std::string::npos; at = line.find(separator, start)) {
    parts.push_back(line.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(line.substr(start));
  return parts;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::string line : Split(text, '\n')) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(std::move(line));
  }
  return lines;
}

// Tabs and line breaks inside a text would split its row.
std::string CellText(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return text;
}

// The column index of each field in the header, -1 for a missing one.
std::vector<int> HeaderOrder(const std::string& header) {
  const std::vector<std::string> names = Split(header, '\t');
  std::vector<int> order;
  for (const Column& column : Columns()) {
    const auto found = std::find_if(names.begin(), names.end(),
                                    [&](const std::string& name) { return Unquoted(name) == column.header; });
    order.push_back(found == names.end() ? -1 : static_cast<int>(found - names.begin()));
  }
  return order;
}

TPillar ReadRow(const std::string& line, const std::vector<int>& order, std::size_t rowNumber) {
  const std::vector<std::string> cells = Split(line, '\t');
  TPillar support;
  for (std::size_t index = 0; index < Columns().size(); ++index) {
    const int at = order[index];
    if (at < 0 || at >= static_cast<int>(cells.size())) continue;
    std::string cell = Unquoted(cells[static_cast<std::size_t>(at)]);
    if (index >= 2) std::replace(cell.begin(), cell.end(), ',', '.');
    try {
      Columns()[index].read(support, cell);
      Utf8ToCp1251(cell);
    } catch (const OrvError& error) {
      throw OrvError("Row " + std::to_string(rowNumber) + ", " + Columns()[index].header + ": " +
                     error.what());
    }
  }
  return support;
}

// Every column of a support found in the header line.
bool HasEveryColumn(const std::vector<int>& order) { return std::count(order.begin(), order.end(), -1) == 0; }

}  // namespace

std::string SupportsToClipboardText(const std::vector<TPillar>& supports) {
  std::string text;
  for (const Column& column : Columns()) text += std::string(column.header) + '\t';
  text.back() = '\n';
  for (const TPillar& support : supports) {
    for (const Column& column : Columns()) text += CellText(column.write(support)) + '\t';
    text.back() = '\n';
  }
  return text;
}

bool IsSupportsClipboardText(const std::string& text) {
  const std::vector<std::string> lines = Lines(text);
  return !lines.empty() && HasEveryColumn(HeaderOrder(lines.front()));
}

std::vector<TPillar> SupportsFromClipboardText(const std::string& text) {
  const std::vector<std::string> lines = Lines(text);
  if (lines.empty()) return {};
  const std::vector<int> order = HeaderOrder(lines.front());
  if (!HasEveryColumn(order)) return {};
  std::vector<TPillar> supports;
  for (std::size_t row = 1; row < lines.size(); ++row) supports.push_back(ReadRow(lines[row], order, row));
  return supports;
}

}  // namespace orv::project
