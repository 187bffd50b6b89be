#pragma once

namespace orv::settings {

// The report's summary sheet: its name, column headings and the short names
// of what to hang.
void RegisterSummarySheetTexts();

}  // namespace orv::settings
