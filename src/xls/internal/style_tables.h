#pragma once

#include <cstddef>
#include <vector>

#include "xls/internal/records.h"

namespace xls {

// Checks the globals' cell styles (XF) against the fonts and number formats
// they name, and the named styles (STYLE) against the cell styles; returns
// the count of cell styles, which every cell, row and column of the sheets
// must stay below. Throws Error naming the record: a workbook that points
// past its own tables opens in no reader.
std::size_t CheckStyleTables(const std::vector<Record>& globals);

}  // namespace xls
