#include "platform/qt_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "qt_text/qt_string.h"

using namespace orv::qt_text;

namespace orv::platform {

namespace {

QString PatternsOf(const QString& patterns) {
  QStringList parts = patterns.split(';', Qt::SkipEmptyParts);
  for (QString& part : parts) part = part.trimmed();
  parts.removeAll(QString());
  return parts.join(' ');
}

void Configure(QFileDialog& dialog, const FileDialogRequest& request) {
  const bool saving = request.mode == FileDialogMode::Save;
  dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setWindowTitle(ToQString(request.title));
  dialog.setNameFilter(QtNameFilters(request.filter));
  dialog.setDefaultSuffix(ToQString(request.defaultExtension));
  if (!request.folder.empty()) dialog.setDirectory(ToQString(request.folder));
  if (!request.fileName.empty()) dialog.selectFile(ToQString(request.fileName));
}

}  // namespace

QString QtNameFilters(const std::string& filter) {
  const QStringList fields = ToQString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
    const QString patterns = PatternsOf(fields[i + 1]);
    if (!patterns.isEmpty()) filters << fields[i].trimmed() + " (" + patterns + ")";
  }
  return filters.join(";;");
}

std::optional<std::string> QtFileDialogs::Ask(const FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow());
  Configure(dialog, request);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return ToStdString(QDir::toNativeSeparators(chosen.front()));
}

}  // namespace orv::platform
