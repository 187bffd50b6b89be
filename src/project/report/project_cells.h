#pragma once

#include "project/project.h"
#include "xls/workbook.h"

// The column widths and the tall row of the report sheet.
void SetReportLayout(XlsSheet& sheet);

// The climate and its coefficients, in stored units, as every sheet shows them.
void FillProjectCells(XlsSheet& sheet, const TProject& project);
