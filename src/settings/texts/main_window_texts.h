#pragma once

// The main window's own entries, registered right after the general vocabulary.
void RegisterMainWindowTexts();
