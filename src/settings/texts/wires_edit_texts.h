#pragma once

namespace orv::settings {

// The wire add/edit dialog.
void RegisterWiresEditTexts();

}  // namespace orv::settings
