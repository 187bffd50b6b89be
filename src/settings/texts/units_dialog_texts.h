#pragma once

// The units dialog's two choices.
void RegisterUnitsDialogTexts();
