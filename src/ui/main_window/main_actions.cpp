#include "ui/main_window/main_actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "ui/main_window/action_icons.h"

using namespace orv::settings;
using namespace orv::qt_text;

namespace orv::ui {

namespace {

struct ActionDefinition {
  QAction* TMainActions::*action;
  const char* name;  // object name, by which tests find the action
  const char* key;   // dictionary key of caption and hint; null for a fixed text
  TActionIcon icon;
  QKeySequence::StandardKey shortcut;
  const char* keys = nullptr;  // a shortcut of our own, in portable text
};

constexpr ActionDefinition kDefinitions[] = {
    {&TMainActions::ActProjectNew, "ActProjectNew", "New_project", TActionIcon::New, QKeySequence::New},
    {&TMainActions::ActProjectOpen, "ActProjectOpen", "Open_project", TActionIcon::Open, QKeySequence::Open},
    {&TMainActions::ActProjectSave, "ActProjectSave", "Save_project", TActionIcon::Save, QKeySequence::Save},
    {&TMainActions::ActProjectSaveAs, "ActProjectSaveAs", "Save_project_as", TActionIcon::SaveAs,
     QKeySequence::SaveAs},
    {&TMainActions::ActImportFromDastrel, "ActImportFromDastrel", "Climatic_parameters_Dastrel",
     TActionIcon::Import, QKeySequence::UnknownKey},
    {&TMainActions::ActWiresGuide, "ActWiresGuide", "Reference_catalog_on_wires", TActionIcon::Catalogue,
     QKeySequence::UnknownKey},
    {&TMainActions::ActExit, "ActExit", "Quit", TActionIcon::Exit, QKeySequence::Quit},
    {&TMainActions::ActPillarCreate, "ActPillarCreate", "Add", TActionIcon::Add, QKeySequence::UnknownKey},
    {&TMainActions::ActPillarInsert, "ActPillarInsert", "Paste", TActionIcon::Insert,
     QKeySequence::UnknownKey},
    {&TMainActions::ActPillarEdit, "ActPillarEdit", "Edit", TActionIcon::Edit, QKeySequence::UnknownKey},
    {&TMainActions::ActPillarDelete, "ActPillarDelete", "Delete", TActionIcon::Delete,
     QKeySequence::UnknownKey},
    {&TMainActions::ActCalcProject, "ActCalcProject", "Calculate", TActionIcon::Calculate,
     QKeySequence::UnknownKey},
    {&TMainActions::ActSettingLanguage, "ActSettingLanguage", nullptr, TActionIcon::Language,
     QKeySequence::UnknownKey},
    {&TMainActions::ActUnits, "ActUnits", "Units", TActionIcon::Units, QKeySequence::UnknownKey},
    {&TMainActions::ActAbout, "ActAbout", "About", TActionIcon::About, QKeySequence::UnknownKey},
    {&TMainActions::ActHelp, "ActHelp", "Help", TActionIcon::Help, QKeySequence::HelpContents},
    {&TMainActions::ActUndo, "ActUndo", "Undo", TActionIcon::Undo, QKeySequence::Undo, "Ctrl+Z"},
    {&TMainActions::ActRedo, "ActRedo", "Redo", TActionIcon::Redo, QKeySequence::UnknownKey, "Ctrl+Y"},
    {&TMainActions::ActViewClimate, "ActViewClimate", "View_climate", TActionIcon::None,
     QKeySequence::UnknownKey, "Ctrl+1"},
    {&TMainActions::ActViewParameters, "ActViewParameters", "View_parameters", TActionIcon::None,
     QKeySequence::UnknownKey, "Ctrl+2"},
    {&TMainActions::ActViewSupports, "ActViewSupports", "View_supports", TActionIcon::None,
     QKeySequence::UnknownKey, "Ctrl+3"},
    {&TMainActions::ActPillarCopy, "ActPillarCopy", "Copy_support", TActionIcon::Copy,
     QKeySequence::UnknownKey, "Ctrl+C"},
    {&TMainActions::ActPillarPasteClipboard, "ActPillarPasteClipboard", "Paste_support",
     TActionIcon::PasteClipboard, QKeySequence::UnknownKey, "Ctrl+V"},
};

}  // namespace

void TMainActions::Create(QObject* owner) {
  for (const ActionDefinition& definition : kDefinitions) {
    auto* action = new QAction(owner);
    action->setObjectName(definition.name);
    action->setIcon(ActionIcon(definition.icon));
    if (definition.shortcut != QKeySequence::UnknownKey) action->setShortcuts(definition.shortcut);
    if (definition.keys) {
      QList<QKeySequence> keys = action->shortcuts();
      const QKeySequence own(definition.keys, QKeySequence::PortableText);
      if (!keys.contains(own)) keys.prepend(own);
      action->setShortcuts(keys);
    }
    this->*definition.action = action;
  }
  Localise();
}

void TMainActions::Localise() {
  for (const ActionDefinition& definition : kDefinitions) {
    const QString text = ToQString(definition.key ? LocalText(definition.key) : kLanguageActionCaption);
    QAction* action = this->*definition.action;
    action->setText(text);
    action->setToolTip(text);
    action->setStatusTip(text);
  }
}

void TMainMenus::Build(QMenuBar& bar, const TMainActions& a) {
  MI_Project = bar.addMenu(QString());
  MI_Project->addActions({a.ActProjectNew, a.ActProjectOpen, a.ActProjectSave, a.ActProjectSaveAs});
  MI_Project->addSeparator();
  MI_Recent = MI_Project->addMenu(QString());
  MI_Recent->setObjectName("MI_Recent");
  MI_Project->addSeparator();
  MI_Project->addAction(a.ActImportFromDastrel);
  MI_Project->addSeparator();
  MI_Project->addAction(a.ActWiresGuide);
  MI_Project->addSeparator();
  MI_Project->addAction(a.ActExit);

  MI_Edit = bar.addMenu(QString());
  MI_Edit->addActions({a.ActUndo, a.ActRedo});

  MI_View = bar.addMenu(QString());
  MI_View->addActions({a.ActViewClimate, a.ActViewParameters, a.ActViewSupports});

  MI_Pillars = bar.addMenu(QString());
  MI_Pillars->addActions({a.ActPillarCreate, a.ActPillarEdit, a.ActPillarInsert, a.ActPillarDelete});
  MI_Pillars->addSeparator();
  MI_Pillars->addActions({a.ActPillarCopy, a.ActPillarPasteClipboard});

  MI_Calculation = bar.addMenu(QString());
  MI_Calculation->addAction(a.ActCalcProject);

  MI_Setting = bar.addMenu(QString());
  MI_Setting->addActions({a.ActSettingLanguage, a.ActUnits});

  MI_Help = bar.addMenu(QString());
  MI_Help->addActions({a.ActAbout, a.ActHelp});
  Localise();
}

void TMainMenus::Localise() {
  const struct {
    QMenu* menu;
    const char* key;
  } captions[] = {{MI_Project, "Project"},  {MI_Recent, "Recent_projects"},
                  {MI_Edit, "Edit_menu"},   {MI_View, "View_menu"},
                  {MI_Pillars, "Supports"}, {MI_Calculation, "Calculation"},
                  {MI_Setting, "Setting"},  {MI_Help, "Help"}};
  for (const auto& caption : captions) caption.menu->setTitle(ToQString(LocalText(caption.key)));
}

}  // namespace orv::ui
