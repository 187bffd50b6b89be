#include "xls/internal/shared_formula.h"

#include <string>
#include <vector>

#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"

namespace xls {

namespace {

constexpr std::size_t kFormulaSizeAt = 20;  // of the formula's token count in FORMULA data
constexpr std::uint8_t kExpressionToken = 0x01;

struct Located {
  std::size_t offset = std::string::npos;  // of the record header
  std::size_t size = 0;                    // header included
};

Located FindRecord(std::string_view records, std::uint16_t type) {
  for (std::size_t at = 0; at + 4 <= records.size();) {
    std::size_t size = 4 + GetU16(records, at + 2);
    if (GetU16(records, at) == type) return {at, size};
    at += size;
  }
  return {};
}

// Whether the cell's formula is "see the shared formula at (row, column)".
bool PointsAt(const StoredCell& cell, int row, int column) {
  if (cell.type != StoredCell::kRecords || GetU16(*cell.records, 0) != kFormula) return false;
  std::string_view data = std::string_view(*cell.records).substr(4, GetU16(*cell.records, 2));
  if (data.size() < kFormulaSizeAt + 2 + 5 || GetU16(data, kFormulaSizeAt) < 5) return false;
  std::size_t token = kFormulaSizeAt + 2;
  return static_cast<std::uint8_t>(data[token]) == kExpressionToken && GetU16(data, token + 1) == row &&
         GetU16(data, token + 3) == column;
}

std::vector<std::pair<int, int>> Users(const XlsSheetData& sheet, std::string_view shared, int row,
                                       int column) {
  std::vector<std::pair<int, int>> users;
  int first_row = GetU16(shared, 0), last_row = GetU16(shared, 2);
  int first_column = static_cast<std::uint8_t>(shared[4]), last_column = static_cast<std::uint8_t>(shared[5]);
  for (const auto& [index, data] : sheet.rows) {
    if (index < first_row || index > last_row) continue;
    for (const StoredCell& cell : data->cells)
      if (cell.column >= first_column && cell.column <= last_column &&
          !(index == row && cell.column == column) && PointsAt(cell, row, column))
        users.emplace_back(index, cell.column);
  }
  return users;
}

void Repoint(StoredCell& cell, int row, int column) {
  std::string records = *cell.records;
  std::size_t token = 4 + kFormulaSizeAt + 2;
  PutU16(records, token + 1, static_cast<std::uint16_t>(row));
  PutU16(records, token + 3, static_cast<std::uint16_t>(column));
  cell.records = std::make_shared<const std::string>(std::move(records));
}

}  // namespace

void HandOverSharedFormula(XlsSheetData& sheet, int row, int column) {
  const StoredCell* host = sheet.FindCell(row, column);
  if (!host || host->type != StoredCell::kRecords) return;
  Located found = FindRecord(*host->records, kShrFmla);
  if (found.offset == std::string::npos || found.size < 4 + 10) return;
  std::string shared = host->records->substr(found.offset, found.size);
  std::string rest = *host->records;
  rest.erase(found.offset, found.size);
  std::vector<std::pair<int, int>> users = Users(sheet, std::string_view(shared).substr(4), row, column);
  sheet.MutableCell(row, column).records = std::make_shared<const std::string>(std::move(rest));
  if (users.empty()) return;
  auto [new_row, new_column] = users.front();
  PutU16(shared, 4, static_cast<std::uint16_t>(new_row));
  shared[4 + 4] = static_cast<char>(new_column);
  std::uint8_t uses = static_cast<std::uint8_t>(shared[4 + 7]);
  if (uses > 0) shared[4 + 7] = static_cast<char>(uses - 1);
  for (auto [user_row, user_column] : users)
    Repoint(sheet.MutableCell(user_row, user_column), new_row, new_column);
  StoredCell& successor = sheet.MutableCell(new_row, new_column);
  std::string records = *successor.records;
  records.insert(4 + GetU16(records, 2), shared);
  successor.records = std::make_shared<const std::string>(std::move(records));
}

}  // namespace xls
