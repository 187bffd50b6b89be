#pragma once

#include "project/model/project.h"
#include "xls/workbook.h"

namespace orv::project {

// The column widths and the tall row of the report sheet.
void SetReportLayout(xls::XlsSheet& sheet);

// The climate and its coefficients, in stored units, as every sheet shows them.
void FillProjectCells(xls::XlsSheet& sheet, const TProject& project);

}  // namespace orv::project
