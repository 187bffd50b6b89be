#include "platform/qt_shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "platform/qt_string.h"

void QtShell::OpenDocument(const std::string& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::fromNativeSeparators(ToQString(path))));
}
