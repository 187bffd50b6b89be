#pragma once

// The wire add/edit dialog.
void RegisterWiresEditTexts();
