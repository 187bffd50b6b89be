#pragma once

namespace orv::settings {

// Refusals that keep files and data safe: a report over its own inputs, a
// wire name the exchange text cannot hold, a report too large for a workbook.
void RegisterReliabilityTexts();

}  // namespace orv::settings
