#pragma once

namespace orv::settings {

// The climatic conditions frame; registered by the main window after its own
// entries.
void RegisterKlimatFrameTexts();

}  // namespace orv::settings
