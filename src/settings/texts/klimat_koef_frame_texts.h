#pragma once

// The climatic coefficients frame; registered after the climatic conditions
// frame.
void RegisterKlimatKoefFrameTexts();
