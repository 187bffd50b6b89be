#include "platform/qt_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QtGlobal>
#include <filesystem>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#endif

#include "platform/qt_string.h"

namespace {

constexpr const char* kVendorFolders = "Mirvex/Quorin/";

std::optional<std::string> Variable(const char* name) {
  if (!qEnvironmentVariableIsSet(name)) return std::nullopt;
  return ToStdString(qEnvironmentVariable(name));
}

// Without an application object (the command line) Qt cannot say where the
// executable lies, so the system is asked directly.
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

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

std::string ExecutableFolder() {
  const std::filesystem::path executable = ExecutablePath();
  if (executable.empty()) return Utf8(std::filesystem::current_path());
  return Utf8(executable.parent_path());
}

bool UsableValue(const std::optional<std::string>& value) { return value && !value->empty(); }

}  // namespace

std::string WithTrailingSeparator(std::string folder) {
  if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) folder += '/';
  return folder;
}

std::string QtFolders::ProgramFolder() {
  if (QCoreApplication::instance()) {
    return WithTrailingSeparator(ToStdString(QCoreApplication::applicationDirPath()));
  }
  return WithTrailingSeparator(ExecutableFolder());
}

std::string QtFolders::SharedDataFolder() {
  return SharedDataFolderFor(CurrentDataFolderEnvironment());
}

DataFolderEnvironment CurrentDataFolderEnvironment() {
  DataFolderEnvironment environment;
  environment.orvaneDataDir = Variable("ORVANE_DATA_DIR");
  environment.programData = Variable("ProgramData");
  environment.xdgDataHome = Variable("XDG_DATA_HOME");
  environment.home = ToStdString(QDir::homePath());
#ifdef Q_OS_WIN
  environment.windows = true;
#endif
  return environment;
}

std::string SharedDataFolderFor(const DataFolderEnvironment& environment) {
  if (UsableValue(environment.orvaneDataDir)) return WithTrailingSeparator(*environment.orvaneDataDir);
  if (environment.windows) {
    const std::string common = UsableValue(environment.programData) ? *environment.programData
                                                                   : std::string("C:/ProgramData");
    return WithTrailingSeparator(common) + kVendorFolders;
  }
  // The XDG rules ignore a relative XDG_DATA_HOME.
  if (UsableValue(environment.xdgDataHome) && environment.xdgDataHome->front() == '/') {
    return WithTrailingSeparator(*environment.xdgDataHome) + kVendorFolders;
  }
  const std::string home = UsableValue(environment.home) ? *environment.home : std::string();
  return WithTrailingSeparator(home) + ".local/share/" + kVendorFolders;
}
