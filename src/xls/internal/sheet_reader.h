#pragma once

#include <cstddef>
#include <string_view>

#include "xls/internal/shared_strings.h"
#include "xls/internal/sheet_data.h"

namespace xls {

// Reads the sheet substream at `offset` into `sheet` (its name already set);
// returns the offset just past the sheet's EOF. Texts in LABEL records join
// the shared strings. Every cell, row and column must name one of the
// workbook's `styles` cell styles, every LABELSST one of its strings.
std::size_t ReadSheet(XlsSheetData& sheet, std::string_view stream, std::size_t offset,
                      SharedStrings& strings, std::size_t styles);

}  // namespace xls
