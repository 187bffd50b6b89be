#pragma once

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace orv::ui {

// Every command of the main window. The menus, both toolbars and the grid's
// context menu share these actions, so a caption, a hint or the enabled state
// changes everywhere at once.
struct TMainActions {
  QAction* ActProjectNew = nullptr;
  QAction* ActProjectOpen = nullptr;
  QAction* ActProjectSave = nullptr;
  QAction* ActProjectSaveAs = nullptr;
  QAction* ActImportFromDastrel = nullptr;
  QAction* ActWiresGuide = nullptr;
  QAction* ActExit = nullptr;
  QAction* ActPillarCreate = nullptr;
  QAction* ActPillarInsert = nullptr;
  QAction* ActPillarEdit = nullptr;
  QAction* ActPillarDelete = nullptr;
  QAction* ActCalcProject = nullptr;
  QAction* ActSettingLanguage = nullptr;
  QAction* ActUnits = nullptr;
  QAction* ActAbout = nullptr;
  QAction* ActHelp = nullptr;
  // Undo and redo of the project's changes; the three sections; supports
  // to and from the clipboard as text.
  QAction* ActUndo = nullptr;
  QAction* ActRedo = nullptr;
  QAction* ActViewClimate = nullptr;
  QAction* ActViewParameters = nullptr;
  QAction* ActViewSupports = nullptr;
  QAction* ActPillarCopy = nullptr;
  QAction* ActPillarPasteClipboard = nullptr;

  // Creates the actions, owned by `owner`, with their icons.
  void Create(QObject* owner);
  // Caption and hint of each action from its dictionary key, in the current
  // language; the language action keeps its fixed two-language caption.
  void Localise();
};

// The caption of the language action in both languages, so that a user who
// cannot read the current language still finds it.
inline constexpr const char* kLanguageActionCaption = "Language(Язык)";

// The main menu; its entries are the main window's actions.
struct TMainMenus {
  QMenu* MI_Project = nullptr;
  // The recently opened projects, inside the Project menu; filled by the
  // main window each time the menu opens.
  QMenu* MI_Recent = nullptr;
  QMenu* MI_Edit = nullptr;
  QMenu* MI_View = nullptr;
  QMenu* MI_Pillars = nullptr;
  QMenu* MI_Calculation = nullptr;
  QMenu* MI_Setting = nullptr;
  QMenu* MI_Help = nullptr;

  void Build(QMenuBar& bar, const TMainActions& actions);
  // Menu captions from the dictionary, in the current language.
  void Localise();
};

}  // namespace orv::ui
