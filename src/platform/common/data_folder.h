#pragma once

#include <optional>
#include <string>

namespace orv::platform {

// What the shared data folder is chosen from; empty optionals for variables
// that are not set.
struct DataFolderEnvironment {
  std::optional<std::string> orvaneDataDir;  // ORVANE_DATA_DIR
  std::optional<std::string> programData;    // Windows: the common application data folder
  std::optional<std::string> xdgDataHome;    // XDG_DATA_HOME
  std::optional<std::string> home;           // the user's home folder (UserHomeFolder)
  bool windows = false;
};

// Empty when it depends on a home folder that is unknown or not absolute.
std::string SharedDataFolderFor(const DataFolderEnvironment& environment);

// `folder` with one trailing "/" (a trailing "\" is kept as it is).
std::string WithTrailingSeparator(std::string folder);

}  // namespace orv::platform
