#pragma once

namespace orv::settings {

// How a support's result was reached, as `orvane calc --explain` writes it.
void RegisterExplainTexts();

}  // namespace orv::settings
