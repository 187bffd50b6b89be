#include "platform/qt_folders.h"

#include <QCoreApplication>
#include <QtGlobal>

#include "platform/common/executable_folder.h"
#include "platform/common/home_folder.h"
#include "qt_text/qt_string.h"

using namespace orv::qt_text;

namespace orv::platform {

namespace {

std::optional<std::string> Variable(const char* name) {
  if (!qEnvironmentVariableIsSet(name)) return std::nullopt;
  return ToStdString(qEnvironmentVariable(name));
}

}  // namespace

std::string QtFolders::ProgramFolder() {
  if (QCoreApplication::instance()) {
    return WithTrailingSeparator(ToStdString(QCoreApplication::applicationDirPath()));
  }
  // Without an application object (the command line) Qt cannot say where the
  // executable lies, so the system is asked directly.
  return WithTrailingSeparator(ExecutableFolder());
}

std::string QtFolders::SharedDataFolder() { return SharedDataFolderFor(CurrentDataFolderEnvironment()); }

DataFolderEnvironment CurrentDataFolderEnvironment() {
  DataFolderEnvironment environment;
  environment.orvaneDataDir = Variable("ORVANE_DATA_DIR");
  environment.programData = Variable("ProgramData");
  environment.xdgDataHome = Variable("XDG_DATA_HOME");
  // QDir::homePath() falls back to "/" without HOME and keeps a relative one.
  environment.home = UserHomeFolder();
#ifdef Q_OS_WIN
  environment.windows = true;
#endif
  return environment;
}

}  // namespace orv::platform
