#pragma once

#include <string>

namespace orv::settings {

// Folders the program needs from the system. Both end with a separator.
class Folders {
 public:
  virtual ~Folders() = default;
  // The folder of the executable: Forms/, base_provod.dat, manuals, Projects/.
  virtual std::string ProgramFolder() = 0;
  // The folder for data shared by the users: ORVANE_DATA_DIR when set, else the
  // system's common application data folder followed by Mirvex/Quorin/.
  // Empty when the system names no such folder (no home folder on Linux).
  virtual std::string SharedDataFolder() = 0;
};

}  // namespace orv::settings
