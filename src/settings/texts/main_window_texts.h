#pragma once

namespace orv::settings {

// The main window's own entries, registered right after the general vocabulary.
void RegisterMainWindowTexts();

}  // namespace orv::settings
