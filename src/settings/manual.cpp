#include "settings/manual.h"

#include "settings/localization.h"
#include "settings/ports/ports.h"

namespace orv::settings {

void OpenManual(const std::string& folder, const std::string& baseName) {
  GetShell().OpenDocument(folder + baseName + (IsEnglish() ? "_en.pdf" : "_ru.pdf"));
}

}  // namespace orv::settings
