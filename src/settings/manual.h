#pragma once

#include <string>

namespace orv::settings {

// Opens folder + baseName + "_en.pdf" or "_ru.pdf", by the current language,
// through the system shell. A missing file or viewer is not reported.
void OpenManual(const std::string& folder, const std::string& baseName);

}  // namespace orv::settings
