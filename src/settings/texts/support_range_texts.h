#pragma once

namespace orv::settings {

// The inputs of a support as a range error names them, and the refusals of
// the critical spans.
void RegisterSupportRangeTexts();

}  // namespace orv::settings
