#pragma once

namespace orv::settings {

// The report's texts beside the specified cells: where a sheet comes from,
// why a support gave no result, and the deflection at a route turn.
void RegisterReportExtraTexts();

}  // namespace orv::settings
