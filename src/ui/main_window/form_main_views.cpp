// How the main window follows the open documents: the frames, the actions
// and the project's name follow the project document; the results table and
// the pictures follow the results model, which has recalculated by the time
// the window hears of a change.
#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QStatusBar>
#include <algorithm>

#include "base/text_utils.h"
#include "diagrams/profile_data.h"
#include "diagrams/swing_diagram_data.h"
#include "platform/application_title.h"
#include "project/results/results_table.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "ui/frames/frm_klimat.h"
#include "ui/frames/frm_klimat_koef.h"
#include "ui/main_window/form_main.h"
#include "ui/models/results_table_model.h"
#include "ui/results/supports_view.h"
#include "widgets/diagram_view.h"
#include "widgets/int_spin_edit.h"
#include "widgets/navigation_label.h"
#include "widgets/profile_view.h"
#include "widgets/real_spin_edit.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::qt_text;
using namespace orv::platform;
using namespace orv::widgets;
using namespace orv::diagrams;

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

// Both frames are one edit, whatever was typed into either.
void TFormMain::CommitFrames() {
  const auto [klimat, klimatKoef] = FramesValues();
  const QScopedValueRollback<bool> committing(committing_, true);
  document_.SetClimate(klimat, klimatKoef);
}

bool TFormMain::IsModified() const { return document_.IsModified(); }

void TFormMain::DocumentChanged(const TDocumentChange& change) {
  using TWhat = TDocumentChange::TWhat;
  switch (change.What) {
    case TWhat::Climate:
    case TWhat::Coefficients:
    case TWhat::ClimateAndCoefficients:
      if (!committing_) ShowFrames();
      break;
    case TWhat::Support:
      if (change.Index != currentRow_) ShowRow(change.Index);
      break;
    case TWhat::SupportList:
      SelectCurrentRow();
      UpdateActions();
      break;
    case TWhat::FileName:
      ShowProjectName();
      break;
    case TWhat::Everything:
      // After an undo the place stays where the change is, or where it was.
      if (change.Index >= 0) currentRow_ = change.Index;
      ShowFrames();
      SelectCurrentRow();
      UpdateActions();
      break;
  }
  UpdateUndoActions();
  ShowTitle();
}

// The table follows the results model itself.
void TFormMain::ResultsChanged(const TResultsChange&) { ShowPictures(); }

void TFormMain::ShowFrames() {
  frameKlimat_->ShowData(document_.Project().Klimat);
  frameKlimatKoef_->ShowData(document_.Project().KlimatKoef);
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
  ShowFrames();
  if (currentSection_) LabClick(currentSection_);
  ShowResults();
  SelectCurrentRow();
}

void TFormMain::SelectCurrentRow() {
  const int row = std::clamp(currentRow_, 0, std::max(document_.Project().Pillars.Count() - 1, 0));
  SelectGridRow(row);
  ShowRow(row);
}

void TFormMain::ShowResults() {
  resultsTable_->Refresh();
  ShowPictures();
}

void TFormMain::ShowPictures() {
  profileView_->setProfile(MakeProfile(document_.Project(), results_.Outcomes()));
  ShowCurrentSupport();
}

// A new selection moves the mark on the profile, which itself stays.
void TFormMain::ShowCurrentSupport() {
  const TSupportOutcome* current = results_.Outcome(currentRow_);
  profileView_->setSelected(current ? currentRow_ : -1);
  swingView_->setDiagram(current ? SwingDiagramOf(*current) : std::nullopt);
}

void TFormMain::ShowRow(int row) {
  const TPillarList& pillars = document_.Project().Pillars;
  if (pillars.Count() > 0 && row >= 0 && row < pillars.Count()) currentRow_ = row;
  ShowCurrentSupport();
}

void TFormMain::GridSelectCell(int row) { ShowRow(grid_->SourceRow(row)); }

void TFormMain::SelectSupport(int row) {
  // Selecting the row makes it the current one through the grid's own
  // handler; ShowRow covers the row that was already selected.
  grid_->SelectRow(grid_->ViewRow(row));
  ShowRow(row);
}

void TFormMain::SelectGridRow(int row) {
  const QSignalBlocker quiet(grid_);
  grid_->SelectRow(grid_->ViewRow(row));
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

void TFormMain::UpdateUndoActions() {
  actions_.ActUndo->setEnabled(document_.CanUndo());
  actions_.ActRedo->setEnabled(document_.CanRedo());
}

// A change typed into a frame is an edit to undo, although it reaches the
// document only at the next commit.
void TFormMain::WatchFrames() {
  const auto typed = [this] {
    const auto [klimat, klimatKoef] = FramesValues();
    const bool typedSomething =
        !klimat.IsEqual(document_.Project().Klimat) || !klimatKoef.IsEqual(document_.Project().KlimatKoef);
    actions_.ActUndo->setEnabled(document_.CanUndo() || typedSomething);
  };
  for (QWidget* frame : {static_cast<QWidget*>(frameKlimat_), static_cast<QWidget*>(frameKlimatKoef_)}) {
    for (TRealSpinEdit* edit : frame->findChildren<TRealSpinEdit*>())
      connect(edit, &TRealSpinEdit::ValueChanged, this, typed);
    for (TIntSpinEdit* edit : frame->findChildren<TIntSpinEdit*>())
      connect(edit, &QSpinBox::valueChanged, this, typed);
    for (QRadioButton* button : frame->findChildren<QRadioButton*>())
      connect(button, &QRadioButton::toggled, this, typed);
  }
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
