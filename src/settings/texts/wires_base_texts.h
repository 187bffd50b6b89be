#pragma once

namespace orv::settings {

// The wire catalogue window's column headers and its delete question.
void RegisterWiresBaseTexts();

}  // namespace orv::settings
