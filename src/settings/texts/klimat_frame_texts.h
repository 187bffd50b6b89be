#pragma once

// The climatic conditions frame; registered by the main window after its own
// entries.
void RegisterKlimatFrameTexts();
