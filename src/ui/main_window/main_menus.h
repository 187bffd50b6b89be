#pragma once

class QMenu;
class QMenuBar;

namespace orv::ui {

struct TMainActions;

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
