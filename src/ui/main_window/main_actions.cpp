#include "ui/main_window/main_actions.h"

#include <QAction>
#include <QKeySequence>

#include "platform/qt_string.h"
#include "settings/localization.h"
#include "ui/main_window/action_icons.h"

namespace {

struct ActionDefinition {
  QAction* TMainActions::*action;
  const char* name;  // object name, by which tests find the action
  const char* key;   // dictionary key of caption and hint; null for a fixed text
  TActionIcon icon;
  QKeySequence::StandardKey shortcut;
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
};

}  // namespace

void TMainActions::Create(QObject* owner) {
  for (const ActionDefinition& definition : kDefinitions) {
    auto* action = new QAction(owner);
    action->setObjectName(definition.name);
    action->setIcon(ActionIcon(definition.icon));
    if (definition.shortcut != QKeySequence::UnknownKey) action->setShortcuts(definition.shortcut);
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
