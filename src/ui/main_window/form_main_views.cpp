#include <QLabel>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QStatusBar>

#include "base/text_utils.h"
#include "platform/application_title.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "ui/frames/frm_klimat.h"
#include "ui/frames/frm_klimat_koef.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/main_menus.h"
#include "ui/results/supports_grid.h"
#include "widgets/local_caption.h"
#include "widgets/navigation_label.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::qt_text;
using namespace orv::platform;
using namespace orv::widgets;

namespace orv::ui {

namespace {

constexpr int kSupportsPage = 2;

}  // namespace

std::pair<TKlimat, TKlimatKoef> TFormMain::FramesValues() const {
  std::pair<TKlimat, TKlimatKoef> values;
  values.first.AssignFrom(document_.Project().Klimat);
  frameKlimat_->StoreData(values.first);
  values.second.AssignFrom(document_.Project().KlimatKoef);
  frameKlimatKoef_->StoreData(values.second);
  return values;
}

void TFormMain::CommitFrames() {
  const auto [klimat, klimatKoef] = FramesValues();
  const QScopedValueRollback<bool> committing(committing_, true);
  document_.SetKlimat(klimat);
  document_.SetKlimatKoef(klimatKoef);
}

bool TFormMain::IsModified() {
  CommitFrames();
  return document_.IsModified();
}

void TFormMain::DocumentChanged(const TDocumentChange& change) {
  using TWhat = TDocumentChange::TWhat;
  const TProject& project = document_.Project();
  switch (change.What) {
    case TWhat::Climate:
      if (!committing_) frameKlimat_->ShowData(project.Klimat);
      RecalculateAll();
      break;
    case TWhat::Coefficients:
      if (!committing_) frameKlimatKoef_->ShowData(project.KlimatKoef);
      RecalculateAll();
      break;
    case TWhat::Support:
      RecalculateSupport(change.Index);
      ShowRow(change.Index);
      break;
    case TWhat::SupportList:
      FillGrid();
      UpdateActions();
      break;
    case TWhat::FileName:
      ShowProjectName();
      break;
    case TWhat::Everything:
      // After an undo the place stays where the change is, or where it was.
      if (change.Index >= 0) currentRow_ = change.Index;
      RefreshViews();
      UpdateActions();
      break;
  }
  UpdateUndoActions();
  ShowTitle();
}

void TFormMain::LocalizeMainWindow() {
  ShowTitle();
  statusText_->setText(ToDisplayText("   Quorin - " + LocalText("designing_OHL")));
  menus_->Localise();
  actions_.Localise();
  SetLocalCaption(lab1_, "Climatic_conditions");
  SetLocalCaption(lab2_, "Climatic_parameters");
  SetLocalCaption(lab3_, "List_of_supports");
  LocalizeResults();
  frameKlimat_->Localise();
  frameKlimatKoef_->Localise();
  if (!document_.FileName().empty()) ShowProjectName();
}

void TFormMain::LabClick(TNavigationLabel* label) {
  pages_->setCurrentIndex(label->Tag() - 1);
  sectionTitle_->setText(label->Tag() == 2 ? ToDisplayText(LocalText("Climatic_param_title"))
                                           : label->text());
  for (TNavigationLabel* each : {lab1_, lab2_, lab3_}) {
    each->SetActive(each == label);
  }
  if (pages_->currentIndex() == kSupportsPage) CommitFrames();
  currentSection_ = label;
}

void TFormMain::RefreshViews() {
  frameKlimat_->ShowData(document_.Project().Klimat);
  frameKlimatKoef_->ShowData(document_.Project().KlimatKoef);
  if (currentSection_) LabClick(currentSection_);
  FillGrid();
}

void TFormMain::FillGrid() {
  RecalculateAll();
  const int row = std::clamp(currentRow_, 0, std::max(document_.Project().Pillars.Count() - 1, 0));
  SelectGridRow(row);
  ShowRow(row);
}

void TFormMain::ShowRow(int row) {
  const TPillarList& pillars = document_.Project().Pillars;
  if (pillars.Count() > 0 && row >= 0 && row < pillars.Count()) currentRow_ = row;
  ShowPictures();
}

void TFormMain::GridSelectCell(int row) { ShowRow(grid_->IndexAtRow(row)); }

void TFormMain::SelectSupport(int row) {
  // Selecting the row makes it the current one through the grid's own
  // handler; ShowRow covers the row that was already selected.
  grid_->SelectRow(grid_->RowOfIndex(row));
  ShowRow(row);
}

void TFormMain::SelectGridRow(int row) {
  const QSignalBlocker quiet(grid_);
  grid_->SelectRow(grid_->RowOfIndex(row));
}

void TFormMain::UpdateActions() {
  const bool any = document_.Project().Pillars.Count() > 0;
  actions_.ActPillarCreate->setEnabled(true);
  actions_.ActPillarInsert->setEnabled(any);
  actions_.ActPillarEdit->setEnabled(any);
  actions_.ActPillarDelete->setEnabled(any);
  actPillarDetails_->setEnabled(any);
  actions_.ActPillarCopy->setEnabled(any);
  UpdateUndoActions();
}

std::string TFormMain::ProjectNameText() const {
  if (document_.FileName().empty()) return {};
  return LocalText("Project") + ": " + FileBaseName(document_.FileName());
}

// A project with unsaved changes is marked in the title, as editors do.
void TFormMain::ShowTitle() {
  const std::string mark = document_.IsModified() ? "* " : "";
  setWindowTitle(ToDisplayText(mark + LocalText("Calculation_of_loads") + " - " + kApplicationTitle));
}

void TFormMain::ShowProjectName() { projectName_->setText(ToDisplayText(ProjectNameText())); }

}  // namespace orv::ui
