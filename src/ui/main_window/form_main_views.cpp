#include <QLabel>
#include <QStackedWidget>
#include <QStatusBar>

#include "platform/application_title.h"
#include "platform/qt_string.h"
#include "settings/localization.h"
#include "base/text_utils.h"
#include "ui/frames/frm_klimat.h"
#include "ui/frames/frm_klimat_koef.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/main_menus.h"
#include "widgets/local_caption.h"
#include "widgets/navigation_label.h"
#include "widgets/supports_grid.h"

namespace {

constexpr int kSupportsPage = 2;

}  // namespace

void TFormMain::CommitFrames() {
  FrameKlimat->StoreData(CurrentProject.Klimat);
  FrameKlimatKoef->StoreData(CurrentProject.KlimatKoef);
}

bool TFormMain::IsModified() {
  CommitFrames();
  return !CurrentProject.Equals(SavedProject);
}

void TFormMain::LocalizeMainWindow() {
  setWindowTitle(ToDisplayText(LocalText("Calculation_of_loads") + " - " + kApplicationTitle));
  PahelStatusBar->setText(ToDisplayText("   Quorin - " + LocalText("designing_OHL")));
  menus_->Localise();
  Actions.Localise();
  SetLocalCaption(Lab1, "Climatic_conditions");
  SetLocalCaption(Lab2, "Climatic_parameters");
  SetLocalCaption(Lab3, "List_of_supports");
  FrameKlimat->Localise();
  FrameKlimatKoef->Localise();
  if (!ProjectFileName.empty()) ShowProjectName();
}

void TFormMain::LabClick(TNavigationLabel* label) {
  PageControl->setCurrentIndex(label->Tag() - 1);
  PanelTitle->setText(label->Tag() == 2 ? ToDisplayText(LocalText("Climatic_param_title")) : label->text());
  for (TNavigationLabel* each : {Lab1, Lab2, Lab3}) {
    each->SetActive(each == label);
  }
  if (PageControl->currentIndex() == kSupportsPage) CommitFrames();
  CurrentSection = label;
}

void TFormMain::RefreshViews() {
  FrameKlimat->ShowData(CurrentProject.Klimat);
  FrameKlimatKoef->ShowData(CurrentProject.KlimatKoef);
  if (CurrentSection) LabClick(CurrentSection);
  FillGrid();
}

void TFormMain::FillGrid() {
  const TPillarList& pillars = CurrentProject.Pillars;
  Grid->SetRowCount(0);
  Grid->SetCell(0, 0, "");
  Grid->SetRowCount(pillars.Count());
  for (int row = 0; row < pillars.Count(); ++row) Grid->SetCell(0, row, pillars.Items(row).SupportNumber);
  SelectGridRow(0);
  ShowRow(0);
}

void TFormMain::ShowRow(int row) {
  const TPillarList& pillars = CurrentProject.Pillars;
  if (pillars.Count() > 0 && row >= 0 && row < pillars.Count()) {
    CurrentRow = row;
    Grid->SetCell(0, row, pillars.Items(row).SupportNumber);
  } else if (pillars.Count() == 0) {
    Grid->SetCell(0, 0, "");
  }
}

void TFormMain::GridSelectCell(int row) { ShowRow(row); }

void TFormMain::SelectGridRow(int row) {
  const QSignalBlocker quiet(Grid);
  Grid->SelectRow(row);
}

void TFormMain::UpdateActions() {
  const bool any = CurrentProject.Pillars.Count() > 0;
  Actions.ActPillarCreate->setEnabled(true);
  Actions.ActPillarInsert->setEnabled(any);
  Actions.ActPillarEdit->setEnabled(any);
  Actions.ActPillarDelete->setEnabled(any);
}

std::string TFormMain::ProjectNameText() const {
  if (ProjectFileName.empty()) return {};
  return LocalText("Project") + ": " + FileBaseName(ProjectFileName);
}

void TFormMain::ShowProjectName() { PanelProjectName->setText(ToDisplayText(ProjectNameText())); }
