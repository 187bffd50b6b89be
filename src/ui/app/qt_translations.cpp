#include "ui/app/qt_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace orv::ui {

namespace {

bool LoadRussian(QTranslator& translator) {
  const QString folders[] = {QDir(QCoreApplication::applicationDirPath()).filePath("translations"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
  for (const QString& folder : folders)
    for (const char* name : {"qtbase_ru", "qt_ru"})
      if (translator.load(name, folder)) return true;
  return false;
}

}  // namespace

void FollowLanguageInQt(int languageIndex) {
  static QTranslator* translator = nullptr;
  if (!translator) translator = new QTranslator(QCoreApplication::instance());
  QCoreApplication::removeTranslator(translator);
  if (languageIndex == 1 && LoadRussian(*translator)) QCoreApplication::installTranslator(translator);
}

}  // namespace orv::ui
