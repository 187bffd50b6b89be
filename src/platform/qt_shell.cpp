#include "platform/qt_shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QUrl>

#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"

#ifdef Q_OS_WIN
#include "platform/win32/win32_shell.h"
#endif

using namespace orv::settings;
using namespace orv::qt_text;

namespace orv::platform {

namespace {

bool OpenUrl(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::fromNativeSeparators(ToQString(path))));
}

}  // namespace

// The desktop services need the GUI application object, which the command
// line does not otherwise create; without a display there is nothing to open
// the document on, and creating one would abort the program.
void QtShell::OpenDocument(const std::string& path) {
  if (QCoreApplication::instance() != nullptr) {
    OpenUrl(path);
    return;
  }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    GetMessages().Show(MessageKind::Warning, "No display to open the report on: " + path, MessageButtons::Ok);
    return;
  }
#endif
  int argc = 1;
  char name[] = "orvane";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  OpenUrl(path);
}

// The desktop program has its application object; the system tells only
// whether a program took the document.
bool QtShell::TryOpenDocument(const std::string& path, std::string& why) {
  if (QGuiApplication::instance() == nullptr || QGuiApplication::platformName() == "offscreen") {
    why = LocalText("Report_no_display");
    return false;
  }
#ifdef Q_OS_WIN
  // The desktop services say only yes or no; the shell call they make says why.
  return Win32Shell().TryOpenDocument(path, why);
#else
  if (OpenUrl(path)) return true;
  why = LocalText("Report_no_program");
  return false;
#endif
}

}  // namespace orv::platform
