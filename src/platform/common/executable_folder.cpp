#include "platform/common/executable_folder.h"

#include <filesystem>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#endif

#include "base/file_open.h"

using namespace orv::base;

namespace orv::platform {

namespace {

std::filesystem::path ExecutablePath() {
#ifdef _WIN32
  wchar_t buffer[32768];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
  if (length == 0 || length >= std::size(buffer)) return {};
  return std::filesystem::path(std::wstring(buffer, length));
#else
  std::error_code error;
  auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : executable;
#endif
}

}  // namespace

std::string ExecutableFolder() {
  const std::filesystem::path executable = ExecutablePath();
  if (executable.empty()) return PathToUtf8(std::filesystem::current_path());
  return PathToUtf8(executable.parent_path());
}

}  // namespace orv::platform
