#pragma once

#include "settings/ports/folders.h"

namespace orv::platform {

// The folder of orvane.exe, and ORVANE_DATA_DIR or the common application
// data folder (FOLDERID_ProgramData) followed by Mirvex/Quorin/.
class Win32Folders : public settings::Folders {
 public:
  std::string ProgramFolder() override;
  std::string SharedDataFolder() override;
};

}  // namespace orv::platform
