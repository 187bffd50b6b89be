#pragma once

namespace orv::settings {

// What makes a support impossible to calculate, in the user's terms.
void RegisterInputProblemTexts();

}  // namespace orv::settings
