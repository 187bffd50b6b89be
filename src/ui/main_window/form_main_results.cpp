// The results of every support in the main window: the table, the swing
// diagram of the current support, the line profile and the details view.
// They follow the document: a change recalculates what it touched (one
// support, or all of them for the climate, the coefficients and the list),
// and no file is written.
#include <QAction>
#include <QEvent>
#include <QTabWidget>

#include "diagrams/profile_data.h"
#include "project/support_clipboard.h"
#include "project/wire_catalog.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "ui/app/command_guard.h"
#include "ui/main_window/form_main.h"
#include "ui/results/form_support_details.h"
#include "ui/results/supports_grid.h"
#include "widgets/diagram_view.h"
#include "widgets/profile_view.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::diagrams;
using namespace orv::qt_text;
using namespace orv::widgets;

namespace orv::ui {

QWidget* TFormMain::BuildPictures(QWidget* parent) {
  grid_->SupportsText = [this](const std::vector<int>& indexes) {
    std::vector<TPillar> supports;
    for (int index : indexes) supports.push_back(document_.Project().Pillars.Items(index));
    return SupportsToClipboardText(supports);
  };
  pictures_ = new QTabWidget(parent);
  pictures_->setObjectName("Pictures");
  swingView_ = new DiagramView(pictures_);
  swingView_->setObjectName("SwingView");
  swingView_->setMinimumSize(200, 150);
  profileView_ = new ProfileView(pictures_);
  profileView_->setObjectName("ProfileView");
  profileView_->setMinimumSize(200, 150);
  pictures_->addTab(swingView_, QString());
  pictures_->addTab(profileView_, QString());
  connect(profileView_, &ProfileView::supportClicked, this,
          [this](int index) { RunGuarded([&] { SelectSupport(index); }); });
  return pictures_;
}

void TFormMain::LocalizeResults() {
  pictures_->setTabText(0, ToQString(LocalText("Results_tab_swing")));
  pictures_->setTabText(1, ToQString(LocalText("Results_tab_profile")));
  const QString details = ToQString(LocalText("Results_details"));
  actPillarDetails_->setText(details);
  actPillarDetails_->setToolTip(ToQString(LocalText("Results_details_hint")));
  actPillarDetails_->setStatusTip(ToQString(LocalText("Results_details_hint")));
  swingView_->setPlaceholder(ToQString(LocalText("Results_swing_none")));
  profileView_->Localise();
  ShowResults();
}

void TFormMain::RecalculateAll() {
  catalogueChanges_ = WireCatalog().ChangeCount();
  outcomes_ = CalculateProjectSupports(document_.Project(), WiresCatalogue());
  ShowResults();
}

void TFormMain::RecalculateSupport(int index) {
  if (index < 0 || index >= static_cast<int>(outcomes_.size())) return RecalculateAll();
  outcomes_[static_cast<std::size_t>(index)] =
      CalculateProjectSupport(document_.Project(), index, WiresCatalogue());
  ShowResults();
}

void TFormMain::ShowResults() {
  if (outcomes_.size() != static_cast<std::size_t>(document_.Project().Pillars.Count())) {
    outcomes_ = CalculateProjectSupports(document_.Project(), WiresCatalogue());
  }
  grid_->ShowRows(MakeResultRows(document_.Project(), outcomes_));
  ShowPictures();
}

void TFormMain::ShowPictures() {
  profileView_->setProfile(MakeProfile(document_.Project(), outcomes_));
  const bool any = currentRow_ >= 0 && currentRow_ < static_cast<int>(outcomes_.size());
  profileView_->setSelected(any ? currentRow_ : -1);
  swingView_->setDiagram(any ? SwingDiagramOf(outcomes_[static_cast<std::size_t>(currentRow_)])
                             : std::nullopt);
}

void TFormMain::ActPillarDetailsExecute() {
  if (currentRow_ < 0 || currentRow_ >= static_cast<int>(outcomes_.size())) return;
  if (!details_) details_ = new TFormSupportDetails(this);
  const TSupportOutcome& outcome = outcomes_[static_cast<std::size_t>(currentRow_)];
  details_->ShowSupport(outcome, SwingDiagramOf(outcome));
  details_->exec();
}

// Back from the catalogue window, whose wires the results depend on.
void TFormMain::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
      WireCatalog().ChangeCount() != catalogueChanges_)
    RecalculateAll();
}

}  // namespace orv::ui
