#include "ui/main_window/form_main.h"

#include <functional>

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/number_text.h"
#include "platform/application_title.h"
#include "project/results/support_clipboard.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "ui/app/command_guard.h"
#include "ui/app/qt_translations.h"
#include "ui/app/window_memory.h"
#include "ui/frames/frm_klimat.h"
#include "ui/frames/frm_klimat_koef.h"
#include "ui/models/results_table_model.h"
#include "ui/results/supports_view.h"
#include "widgets/diagram_view.h"
#include "widgets/local_caption.h"
#include "widgets/navigation_label.h"
#include "widgets/profile_view.h"
#include "widgets/tool_bar.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::qt_text;
using namespace orv::widgets;

namespace orv::ui {

namespace {

constexpr int kNavigationWidth = 245;
constexpr int kToolbarGap = 20;
// The maker's site, shown at the right end of the status bar.
constexpr const char* kMakerLink = "<a href=\"https://mirvex.example/quorin\">mirvex.example/quorin</a>";

}  // namespace

TFormMain::TFormMain(TWorkspace& workspace)
    : workspace_(workspace), document_(workspace.Document), results_(workspace.Results) {
  setObjectName("FormMain");
  actions_.Create(this);
  menus_.Build(*menuBar(), actions_);
  BuildToolbar();
  BuildLayout();
  BuildStatusBar();
  ConnectActions();
  documentToken_ = document_.Subscribe([this](const TDocumentChange& change) { DocumentChanged(change); });
  resultsToken_ = workspace_.Results.Subscribe([this](const TResultsChange& change) { ResultsChanged(change); });
  resize(1200, 820);
}

TFormMain::~TFormMain() {
  document_.Unsubscribe(documentToken_);
  workspace_.Results.Unsubscribe(resultsToken_);
}

void TFormMain::AttachDialogs(const TMainDialogs& dialogs) { dialogs_ = dialogs; }

void TFormMain::BuildToolbar() {
  auto* toolbar = new TToolBar(this);
  toolbar->setObjectName("RzToolbar2");
  toolbar->setMovable(false);
  toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolbar->addActions({actions_.ActProjectNew, actions_.ActProjectOpen, actions_.ActProjectSave});
  toolbar->AddGap(kToolbarGap);
  toolbar->addActions({actions_.ActUndo, actions_.ActRedo});
  for (QAction* action :
       {actions_.ActWiresGuide, actions_.ActCalcProject, actions_.ActHelp, actions_.ActExit}) {
    toolbar->AddGap(kToolbarGap);
    toolbar->addAction(action);
  }
  addToolBar(Qt::TopToolBarArea, toolbar);
}

void TFormMain::BuildLayout() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(4, 4, 4, 0);

  projectName_ = new QLabel(central);
  projectName_->setObjectName("PanelProjectName");
  projectName_->setFrameShape(QFrame::StyledPanel);
  projectName_->setMinimumHeight(26);
  QFont nameFont = projectName_->font();
  nameFont.setBold(true);
  projectName_->setFont(nameFont);
  column->addWidget(projectName_);

  auto* row = new QHBoxLayout;
  row->addWidget(BuildNavigation());
  auto* right = new QVBoxLayout;
  sectionTitle_ = new QLabel(central);
  sectionTitle_->setObjectName("PanelTitle");
  sectionTitle_->setFrameShape(QFrame::StyledPanel);
  sectionTitle_->setAlignment(Qt::AlignCenter);
  sectionTitle_->setFont(nameFont);
  right->addWidget(sectionTitle_);
  right->addWidget(BuildPages(), 1);
  row->addLayout(right, 1);
  column->addLayout(row, 1);
  setCentralWidget(central);
}

QWidget* TFormMain::BuildNavigation() {
  auto* panel = new QFrame(this);
  panel->setObjectName("RzPanel1");
  panel->setFixedWidth(kNavigationWidth);
  panel->setFrameShape(QFrame::StyledPanel);
  auto* stack = new QVBoxLayout(panel);
  TNavigationLabel** labels[] = {&lab1_, &lab2_, &lab3_};
  for (int tag = 1; tag <= 3; ++tag) {
    auto* label = new TNavigationLabel(tag, panel);
    label->setObjectName(QString("Lab%1").arg(tag));
    label->setWordWrap(true);
    label->setMinimumHeight(64);
    *labels[tag - 1] = label;
    stack->addWidget(label);
    connect(label, &TNavigationLabel::Clicked, this,
            [this](TNavigationLabel* clicked) { RunGuarded([&] { LabClick(clicked); }); });
  }
  stack->addStretch(1);
  return panel;
}

QWidget* TFormMain::BuildPages() {
  pages_ = new QStackedWidget(this);
  pages_->setObjectName("PageControl");
  frameKlimat_ = new TFrameKlimat(pages_);
  frameKlimatKoef_ = new TFrameKlimatKoef(pages_);
  frameKlimat_->setObjectName("FrameKlimat");
  frameKlimatKoef_->setObjectName("FrameKlimatKoef");
  pages_->addWidget(frameKlimat_);
  pages_->addWidget(frameKlimatKoef_);
  pages_->addWidget(BuildSupportsPage());
  return pages_;
}

QWidget* TFormMain::BuildSupportsPage() {
  auto* page = new QWidget(pages_);
  auto* layout = new QVBoxLayout(page);
  auto* toolbar = new TToolBar(page);
  toolbar->setObjectName("RzToolbar1");
  toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  toolbar->addActions(
      {actions_.ActPillarCreate, actions_.ActPillarDelete, actions_.ActPillarEdit, actions_.ActPillarInsert});
  layout->addWidget(toolbar);

  auto* split = new QSplitter(Qt::Vertical, page);
  split->setObjectName("SupportsSplitter");
  split->setChildrenCollapsible(false);
  resultsTable_ = new TResultsTableModel(this);
  resultsTable_->Attach(document_, workspace_.Results);
  grid_ = new TSupportsView(*resultsTable_, split);
  grid_->setObjectName("Grid");
  grid_->setContextMenuPolicy(Qt::CustomContextMenu);
  split->addWidget(grid_);
  split->addWidget(BuildPictures(split));
  split->setSizes({300, 420});
  layout->addWidget(split, 1);

  actPillarDetails_ = new QAction(this);
  actPillarDetails_->setObjectName("ActPillarDetails");
  connect(actPillarDetails_, &QAction::triggered, this,
          [this] { RunGuarded([this] { ActPillarDetailsExecute(); }); });
  toolbar->addAction(actPillarDetails_);

  pillarMenu_ = new QMenu(this);
  pillarMenu_->setObjectName("PillarMenu");
  pillarMenu_->addActions(
      {actions_.ActPillarCreate, actions_.ActPillarEdit, actions_.ActPillarInsert, actions_.ActPillarDelete});
  pillarMenu_->addSeparator();
  pillarMenu_->addActions({actions_.ActPillarCopy, actions_.ActPillarPasteClipboard});
  pillarMenu_->addSeparator();
  pillarMenu_->addAction(actPillarDetails_);
  grid_->installEventFilter(this);
  connect(grid_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { pillarMenu_->popup(grid_->viewport()->mapToGlobal(at)); });
  connect(grid_, &TRowsView::RowSelected, this,
          [this](int row) { RunGuarded([&] { GridSelectCell(row); }); });
  connect(grid_, &TRowsView::RowDoubleClicked, actions_.ActPillarEdit, &QAction::trigger);
  return page;
}

void TFormMain::BuildStatusBar() {
  statusText_ = new QLabel(this);
  statusText_->setObjectName("PahelStatusBar");
  statusText_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  statusBar()->addWidget(statusText_, 1);
  auto* link = new QLabel(kMakerLink, this);
  link->setObjectName("StatusLink");
  link->setOpenExternalLinks(true);
  statusBar()->addPermanentWidget(link);
}

void TFormMain::ConnectActions() {
  const struct {
    QAction* action;
    void (TFormMain::*handler)();
  } bindings[] = {
      {actions_.ActProjectNew, &TFormMain::ActProjectNewExecute},
      {actions_.ActProjectOpen, &TFormMain::ActProjectOpenExecute},
      {actions_.ActProjectSave, &TFormMain::ActProjectSaveExecute},
      {actions_.ActProjectSaveAs, &TFormMain::ActProjectSaveAsExecute},
      {actions_.ActImportFromDastrel, &TFormMain::ActImportFromDastrelExecute},
      {actions_.ActWiresGuide, &TFormMain::ActWiresGuideExecute},
      {actions_.ActExit, &TFormMain::ActExitExecute},
      {actions_.ActPillarCreate, &TFormMain::ActPillarCreateExecute},
      {actions_.ActPillarInsert, &TFormMain::ActPillarInsertExecute},
      {actions_.ActPillarEdit, &TFormMain::ActPillarEditExecute},
      {actions_.ActPillarDelete, &TFormMain::ActPillarDeleteExecute},
      {actions_.ActCalcProject, &TFormMain::ActCalcProjectExecute},
      {actions_.ActSettingLanguage, &TFormMain::ActSettingLanguageExecute},
      {actions_.ActUnits, &TFormMain::ActUnitsExecute},
      {actions_.ActAbout, &TFormMain::ActAboutExecute},
      {actions_.ActHelp, &TFormMain::ActHelpExecute},
      {actions_.ActUndo, &TFormMain::ActUndoExecute},
      {actions_.ActRedo, &TFormMain::ActRedoExecute},
      {actions_.ActViewClimate, &TFormMain::ActViewClimateExecute},
      {actions_.ActViewParameters, &TFormMain::ActViewParametersExecute},
      {actions_.ActViewSupports, &TFormMain::ActViewSupportsExecute},
      {actions_.ActPillarCopy, &TFormMain::ActPillarCopyExecute},
      {actions_.ActPillarPasteClipboard, &TFormMain::ActPillarPasteClipboardExecute},
  };
  // The one place where a command's error becomes the default error report.
  for (const auto& binding : bindings) {
    const auto handler = binding.handler;
    connect(binding.action, &QAction::triggered, this,
            [this, handler] { RunGuarded([&] { (this->*handler)(); }); });
  }
  connect(menus_.MI_Project, &QMenu::aboutToShow, this,
          [this] { RunGuarded([this] { FillRecentMenu(); }); });
  WatchFrames();
}

void TFormMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  RunGuarded([this] { FormShow(); });
}

void TFormMain::FormShow() {
  ForcePointSeparator();
  programFolder_ = GetFolders().ProgramFolder();
  projectsFolder_ = programFolder_ + "Projects/";
  LocalizeMainWindow();
  LabClick(lab1_);
  UpdateActions();
  RefreshViews();
}

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
  // The profile's zoom keys work wherever the focus is on the supports
  // page, the table included, while the profile is shown.
  const std::pair<QList<QKeySequence>, std::function<void(ProfileView&)>> keys[] = {
      {{Qt::Key_Plus, Qt::Key_Equal, Qt::KeypadModifier | Qt::Key_Plus}, &ProfileView::zoomIn},
      {{Qt::Key_Minus, Qt::KeypadModifier | Qt::Key_Minus}, &ProfileView::zoomOut},
      {{Qt::Key_0, Qt::KeypadModifier | Qt::Key_0}, &ProfileView::resetZoom}};
  for (const auto& key : keys) {
    auto* action = new QAction(parent);
    action->setShortcuts(key.first);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    parent->addAction(action);
    connect(action, &QAction::triggered, profileView_, [this, zoom = key.second] {
      if (pictures_->currentWidget() == profileView_) zoom(*profileView_);
    });
  }
  return pictures_;
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::KeyPress) {
    QAction* command = nullptr;
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        command = actions_.ActPillarEdit;
        break;
      case Qt::Key_Delete:
        command = actions_.ActPillarDelete;
        break;
      case Qt::Key_Insert:
        command = actions_.ActPillarCreate;
        break;
      default:
        break;
    }
    if (command) {
      if (command->isEnabled()) command->trigger();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TFormMain::LocalizeMainWindow() {
  FollowLanguageInQt(LanguageIndex());
  ShowTitle();
  statusText_->setText(ToDisplayText("   Quorin - " + LocalText("designing_OHL")));
  menus_.Localise();
  actions_.Localise();
  SetLocalCaption(lab1_, "Climatic_conditions");
  SetLocalCaption(lab2_, "Climatic_parameters");
  SetLocalCaption(lab3_, "List_of_supports");
  LocalizeResults();
  frameKlimat_->Localise();
  frameKlimatKoef_->Localise();
  if (!document_.FileName().empty()) ShowProjectName();
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
}

// A changed project asks only whether to save it: its answer is the answer
// to closing, and a second question would ask the same again.
bool TFormMain::FormCloseQuery() {
  CommitFrames();
  if (IsModified()) return QuerySaveChanges();
  const MessageAnswer answer =
      GetMessages().Show(MessageKind::Warning, LocalText("quit_the_program"), MessageButtons::YesNo);
  return answer == MessageAnswer::Yes;
}

void TFormMain::FormClose() {
  workspace_.Catalogue.SaveIfModified();
  FreeLocalization();
}

void TFormMain::ActExitExecute() { close(); }

// A failed save while closing (of the project or of the catalogue) keeps the
// program running: closing anyway would lose what could not be saved.
void TFormMain::closeEvent(QCloseEvent* event) {
  if (closed_) {
    event->accept();
    return;
  }
  bool mayClose = false;
  RunGuarded([&] {
    if (!FormCloseQuery()) return;
    FormClose();
    mayClose = true;
  });
  if (!mayClose) {
    event->ignore();
    return;
  }
  closed_ = true;
  RememberWindowLayout(*this);
  event->accept();
  if (closedHandler_) closedHandler_();
}

}  // namespace orv::ui
