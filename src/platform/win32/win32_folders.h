#pragma once

#include "settings/ports/folders.h"

// The folder of orvane.exe, and ORVANE_DATA_DIR or the common application
// data folder (FOLDERID_ProgramData) followed by Mirvex/Quorin/.
class Win32Folders : public orv::settings::Folders {
 public:
  std::string ProgramFolder() override;
  std::string SharedDataFolder() override;
};
