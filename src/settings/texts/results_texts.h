#pragma once

namespace orv::settings {

// The results table, the live result of the support editor and the details
// view of one support.
void RegisterResultsTexts();

}  // namespace orv::settings
