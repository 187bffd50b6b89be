#pragma once

#include <vector>

#include "xls/internal/records.h"

namespace xls {

// Gives the sheet at `target` its own copies of the names that belong to the
// sheet at `source` (print area, print titles and the like), pointing at the
// new sheet. Names whose formula holds anything but references to cells are
// not copied.
void CopyLocalNames(std::vector<Record>& globals, int source, int target);

}  // namespace xls
