#pragma once

#include "xls/internal/sheet_data.h"

namespace xls {

// A shared formula lives in the records after its first cell's FORMULA, and
// the other cells of its range point at that cell. Before a value replaces
// that first cell, the shared formula moves to the next cell that uses it and
// every user points there, so no cell is left pointing at a plain value.
void HandOverSharedFormula(XlsSheetData& sheet, int row, int column);

}  // namespace xls
