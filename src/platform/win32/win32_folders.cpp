#include "platform/win32/win32_folders.h"

#include <windows.h>
// windows.h first: shlobj.h needs its types.
#include <knownfolders.h>
#include <shlobj.h>

#include <cstdlib>
#include <optional>

#include "platform/common/data_folder.h"
#include "platform/common/executable_folder.h"
#include "platform/common/wide_text.h"

namespace orv::platform {

namespace {

std::optional<std::string> Variable(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  if (!value) return std::nullopt;
  return Utf8FromWide(value);
}

std::optional<std::string> CommonApplicationData() {
  PWSTR folder = nullptr;
  std::optional<std::string> result;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_ProgramData, 0, nullptr, &folder)))
    result = Utf8FromWide(folder);
  CoTaskMemFree(folder);
  return result;
}

}  // namespace

std::string Win32Folders::ProgramFolder() { return WithTrailingSeparator(ExecutableFolder()); }

std::string Win32Folders::SharedDataFolder() {
  DataFolderEnvironment environment;
  environment.orvaneDataDir = Variable(L"ORVANE_DATA_DIR");
  environment.programData = CommonApplicationData();
  environment.windows = true;
  return SharedDataFolderFor(environment);
}

}  // namespace orv::platform
