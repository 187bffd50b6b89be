#pragma once

#include <vector>

#include "xls/internal/drawing_group.h"
#include "xls/internal/records.h"
#include "xls/workbook.h"

namespace xls {

// The drawing of a sheet lives in its MSODRAWING records, between which the
// OBJ and TXO records of the shapes sit.
XlsDrawingInfo DescribeDrawing(const std::vector<Record>& tail);
int CountShapes(const std::vector<Record>& tail);

// Gives the drawing of a copied sheet its own drawing id and shape ids (new
// clusters in the drawing group) and counts its pictures' new references.
void RenumberCopiedDrawing(std::vector<Record>& tail, DrawingGroup& group);

// A copy is not selected along with its source, so Excel does not open the
// workbook with its sheets grouped.
void ClearSelection(std::vector<Record>& tail);

}  // namespace xls
