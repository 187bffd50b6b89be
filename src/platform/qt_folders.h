#pragma once

#include <string>

#include "platform/common/data_folder.h"
#include "settings/ports/folders.h"

namespace orv::platform {

// The program folder and the shared data folder of the running program.
class QtFolders : public settings::Folders {
 public:
  std::string ProgramFolder() override;
  std::string SharedDataFolder() override;
};

DataFolderEnvironment CurrentDataFolderEnvironment();

}  // namespace orv::platform
