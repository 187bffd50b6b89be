#pragma once

namespace orv::settings {

// Texts of the desktop windows that say in place what is wrong with an
// input, and of the catalogue's search box. "%1" stands for the caption of
// the field, "%2" for a further detail.
void RegisterDesktopTexts();

}  // namespace orv::settings
