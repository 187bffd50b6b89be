#include "ui/app/desktop_windows.h"

#include "project/catalogue/wire_users.h"
#include "project/workspace.h"
#include "ui/dialogs/form_about.h"
#include "ui/dialogs/form_save_project.h"
#include "ui/dialogs/form_units_dlg.h"
#include "ui/dialogs/form_wait.h"
#include "ui/dialogs/language_dialog.h"
#include "ui/main_window/form_main.h"
#include "ui/pillars/form_pillars.h"
#include "ui/pillars/pillar_commands.h"
#include "ui/wires/form_wires_base.h"
#include "ui/wires/form_wires_edit.h"

using namespace orv::project;

namespace orv::ui {

TDesktopWindows::TDesktopWindows(TWorkspace& workspace) {
  workspace.Catalogue.Start();
  formMain_ = std::make_unique<TFormMain>(workspace);
  TFormMain* owner = formMain_.get();
  unitsDlg_ = new TFormUnitsDlg(owner);
  languageDialog_ = new TLanguageDialog(owner);
  formAbout_ = new TFormAbout(owner);
  formWait_ = new TFormWait(owner);
  // The support editor's one-line captions replace the general ones here.
  formPillars_ = new TFormPillars(owner);
  formSaveProject_ = new TFormSave_Project(owner);
  formWiresEdit_ = new TFormWiresEdit(owner);
  formWiresBase_ = new TFormWiresBase(*formWiresEdit_, workspace.Catalogue, owner);
  formPillars_->AttachWiresBase(formWiresBase_);
  AttachLiveResult(*owner, *formPillars_);
  formWiresBase_->AttachWireUsers([&workspace](const std::string& wire) {
    return SupportsUsingWire(workspace.Document.Project().Pillars, wire);
  });
  QObject::connect(unitsDlg_, &TFormUnitsDlg::UnitsChanged, formWiresBase_, &TFormWiresBase::UnitsChanged);

  TMainDialogs dialogs;
  dialogs.UnitsDlg = unitsDlg_;
  dialogs.LanguageDialog = languageDialog_;
  dialogs.FormAbout = formAbout_;
  dialogs.FormWait = formWait_;
  dialogs.FormSave_Project = formSaveProject_;
  dialogs.FormPillars = formPillars_;
  dialogs.FormWiresBase = formWiresBase_;
  formMain_->AttachDialogs(dialogs);
}

TDesktopWindows::~TDesktopWindows() = default;

}  // namespace orv::ui
