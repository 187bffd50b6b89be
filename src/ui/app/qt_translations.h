#pragma once

namespace orv::ui {

// Qt's own texts (the file dialogs' "Look in" and "File name", the context
// menus of the edits) in the program's language. The Russian ones come from
// Qt's qtbase_ru.qm (or qt_ru.qm, as windeployqt names it): first from the
// translations folder beside the program, where the Windows build ships it,
// then from Qt's own. English needs none. Called whenever the language is
// applied; a missing file leaves Qt in English.
void FollowLanguageInQt(int languageIndex);

}  // namespace orv::ui
