#include "platform/common/data_folder.h"

namespace orv::platform {

namespace {

constexpr const char* kVendorFolders = "Mirvex/Quorin/";

bool UsableValue(const std::optional<std::string>& value) { return value && !value->empty(); }

}  // namespace

std::string WithTrailingSeparator(std::string folder) {
  if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) folder += '/';
  return folder;
}

std::string SharedDataFolderFor(const DataFolderEnvironment& environment) {
  if (UsableValue(environment.orvaneDataDir)) return WithTrailingSeparator(*environment.orvaneDataDir);
  if (environment.windows) {
    const std::string common =
        UsableValue(environment.programData) ? *environment.programData : std::string("C:/ProgramData");
    return WithTrailingSeparator(common) + kVendorFolders;
  }
  // The XDG rules ignore a relative XDG_DATA_HOME.
  if (UsableValue(environment.xdgDataHome) && environment.xdgDataHome->front() == '/') {
    return WithTrailingSeparator(*environment.xdgDataHome) + kVendorFolders;
  }
  // Without a home folder there is no place of this user's: the caller says so.
  if (!UsableValue(environment.home) || environment.home->front() != '/') return std::string();
  return WithTrailingSeparator(*environment.home) + ".local/share/" + kVendorFolders;
}

}  // namespace orv::platform
