#pragma once

namespace orv::settings {

// The units dialog's two choices.
void RegisterUnitsDialogTexts();

}  // namespace orv::settings
