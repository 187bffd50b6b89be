#pragma once

#include <memory>

namespace orv::project { struct TWorkspace; }

namespace orv::ui {

class TFormAbout;
class TFormMain;
class TFormPillars;
class TFormSave_Project;
class TFormUnitsDlg;
class TFormWait;
class TFormWiresBase;
class TFormWiresEdit;
class TLanguageDialog;

// Every window of the desktop program, created once in the start-up order
// (main window first, the wire catalogue last) and kept for the whole run,
// each given the part of `workspace` it shows. The catalogue is started
// first. The settings and the dictionary must be started before
// (InitLocalization, RegisterAllTexts).
class TDesktopWindows {
 public:
  explicit TDesktopWindows(project::TWorkspace& workspace);
  ~TDesktopWindows();
  TDesktopWindows(const TDesktopWindows&) = delete;
  TDesktopWindows& operator=(const TDesktopWindows&) = delete;

  TFormMain& FormMain() { return *formMain_; }
  TFormUnitsDlg& FormUnitsDlg() { return *unitsDlg_; }
  TLanguageDialog& LanguageDialog() { return *languageDialog_; }
  TFormAbout& FormAbout() { return *formAbout_; }
  TFormWait& FormWait() { return *formWait_; }
  TFormSave_Project& FormSave_Project() { return *formSaveProject_; }
  TFormPillars& FormPillars() { return *formPillars_; }
  TFormWiresEdit& FormWiresEdit() { return *formWiresEdit_; }
  TFormWiresBase& FormWiresBase() { return *formWiresBase_; }

 private:
  // The main window owns the dialogs (their parent), so it goes last.
  std::unique_ptr<TFormMain> formMain_;
  TFormUnitsDlg* unitsDlg_ = nullptr;
  TLanguageDialog* languageDialog_ = nullptr;
  TFormAbout* formAbout_ = nullptr;
  TFormWait* formWait_ = nullptr;
  TFormSave_Project* formSaveProject_ = nullptr;
  TFormPillars* formPillars_ = nullptr;
  TFormWiresEdit* formWiresEdit_ = nullptr;
  TFormWiresBase* formWiresBase_ = nullptr;
};

}  // namespace orv::ui
