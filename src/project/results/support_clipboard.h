#pragma once

#include <string>
#include <vector>

#include "calc/pillar.h"

namespace orv::project {

// Supports on the clipboard as tab-separated text: a header row naming the
// fields, then one row per support. A spreadsheet pastes it as cells, one row
// of cells per support; another Orvane reads it back field for field.

std::string SupportsToClipboardText(const std::vector<calc::TPillar>& supports);

// True when `text` starts with the header SupportsToClipboardText writes.
bool IsSupportsClipboardText(const std::string& text);

// The supports of a text that IsSupportsClipboardText accepts, also after a
// round trip through a spreadsheet (CR LF line ends, quoted cells, "," as
// decimal separator, columns in another order). Texts are cut to their
// limits. Throws OrvError naming the row and the field for a value that does
// not convert and for a text the project file cannot hold.
std::vector<calc::TPillar> SupportsFromClipboardText(const std::string& text);

}  // namespace orv::project
