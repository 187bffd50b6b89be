#pragma once

namespace orv::ui {

class TFormAbout;
class TFormSave_Project;
class TFormUnitsDlg;
class TFormWait;
class TLanguageDialog;

// The small dialogs the main window runs. They are created after it, in the
// start-up order, and live as long as it does.
struct TMainDialogs {
  TFormUnitsDlg* UnitsDlg = nullptr;
  TLanguageDialog* LanguageDialog = nullptr;
  TFormAbout* FormAbout = nullptr;
  TFormWait* FormWait = nullptr;
  TFormSave_Project* FormSave_Project = nullptr;
};

}  // namespace orv::ui
