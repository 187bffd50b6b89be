#pragma once

#include <string_view>

#include "xls/workbook.h"

namespace orv::project {

// The cell at an address such as "E4" or "R3" (column letters, row from 1).
xls::XlsCell ReportCell(xls::XlsSheet& sheet, std::string_view address);

}  // namespace orv::project
