#pragma once

#include <cstdint>

#include "xls/internal/records.h"
#include "xls/internal/sheet_data.h"

namespace xls {

// Appends the sheet substream, with INDEX and DBCELL pointing into the
// writer's stream, at the writer's position.
void WriteSheet(const XlsSheetData& sheet, RecordWriter& writer);

// LABELSST cells of the sheet, for the total the SST record states.
std::uint32_t CountStringCells(const XlsSheetData& sheet);

}  // namespace xls
