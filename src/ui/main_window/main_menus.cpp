#include "ui/main_window/main_menus.h"

#include <QMenu>
#include <QMenuBar>

#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "ui/main_window/main_actions.h"

using namespace orv::settings;
using namespace orv::qt_text;

namespace orv::ui {

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
