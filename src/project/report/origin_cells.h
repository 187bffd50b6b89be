#pragma once

#include <string>

#include "project/report/report_origin.h"
#include "xls/workbook.h"

namespace orv::project {

// Today's local date as YYYY-MM-DD, read the same in both languages.
std::string TodayText();

// Row 35, below the specified cells: the project file's name, the date of
// the report (`origin.Date`, already filled in: every sheet shows the same
// date) and "Sheet N of M", N counted from 1 over the support sheets.
void FillOriginCells(xls::XlsSheet& sheet, const TReportOrigin& origin, int sheetNumber, int sheetCount);

}  // namespace orv::project
