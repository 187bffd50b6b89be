#pragma once

namespace orv::settings {

// The climatic coefficients frame; registered after the climatic conditions
// frame.
void RegisterKlimatKoefFrameTexts();

}  // namespace orv::settings
