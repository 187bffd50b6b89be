#pragma once

class QMenu;
class QMenuBar;
struct TMainActions;

// The main menu; its entries are the main window's actions.
struct TMainMenus {
  QMenu* MI_Project = nullptr;
  QMenu* MI_Pillars = nullptr;
  QMenu* MI_Calculation = nullptr;
  QMenu* MI_Setting = nullptr;
  QMenu* MI_Help = nullptr;

  void Build(QMenuBar& bar, const TMainActions& actions);
  // Menu captions from the dictionary, in the current language.
  void Localise();
};
