#include "ui/main_window/form_main.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

#include "base/number_text.h"
#include "platform/application_title.h"
#include "settings/ports/ports.h"
#include "settings/texts/general_vocabulary.h"
#include "settings/texts/klimat_frame_texts.h"
#include "settings/texts/klimat_koef_frame_texts.h"
#include "settings/texts/main_window_texts.h"
#include "settings/texts/reliability_texts.h"
#include "ui/app/command_guard.h"
#include "ui/frames/frm_klimat.h"
#include "ui/frames/frm_klimat_koef.h"
#include "ui/main_window/main_dialogs.h"
#include "ui/main_window/main_menus.h"
#include "widgets/navigation_label.h"
#include "widgets/supports_grid.h"
#include "widgets/tool_bar.h"

namespace {

constexpr int kNavigationWidth = 245;
constexpr int kToolbarGap = 20;
// The maker's site, shown at the right end of the status bar.
constexpr const char* kMakerLink = "<a href=\"https://mirvex.example/quorin\">mirvex.example/quorin</a>";

// The main window's entries, then those of its two frames, before any of
// them is built: every caption below is fetched from a complete dictionary.
void RegisterMainTexts() {
  RegisterGeneralVocabulary();
  RegisterMainWindowTexts();
  RegisterReliabilityTexts();
  RegisterKlimatFrameTexts();
  RegisterKlimatKoefFrameTexts();
}

}  // namespace

TFormMain::TFormMain() : menus_(std::make_unique<TMainMenus>()), dialogs_(std::make_unique<TMainDialogs>()) {
  RegisterMainTexts();
  setObjectName("FormMain");
  Actions.Create(this);
  menus_->Build(*menuBar(), Actions);
  BuildToolbar();
  BuildLayout();
  BuildStatusBar();
  ConnectActions();
  resize(900, 640);
}

TFormMain::~TFormMain() = default;

void TFormMain::AttachDialogs(const TMainDialogs& dialogs) { *dialogs_ = dialogs; }

void TFormMain::BuildToolbar() {
  auto* toolbar = new TToolBar(this);
  toolbar->setObjectName("RzToolbar2");
  toolbar->setMovable(false);
  toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolbar->addActions({Actions.ActProjectNew, Actions.ActProjectOpen, Actions.ActProjectSave});
  for (QAction* action : {Actions.ActWiresGuide, Actions.ActCalcProject, Actions.ActHelp, Actions.ActExit}) {
    toolbar->AddGap(kToolbarGap);
    toolbar->addAction(action);
  }
  addToolBar(Qt::TopToolBarArea, toolbar);
}

void TFormMain::BuildLayout() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(4, 4, 4, 0);

  PanelProjectName = new QLabel(central);
  PanelProjectName->setObjectName("PanelProjectName");
  PanelProjectName->setFrameShape(QFrame::StyledPanel);
  PanelProjectName->setMinimumHeight(26);
  QFont nameFont = PanelProjectName->font();
  nameFont.setBold(true);
  PanelProjectName->setFont(nameFont);
  column->addWidget(PanelProjectName);

  auto* row = new QHBoxLayout;
  row->addWidget(BuildNavigation());
  auto* right = new QVBoxLayout;
  PanelTitle = new QLabel(central);
  PanelTitle->setObjectName("PanelTitle");
  PanelTitle->setFrameShape(QFrame::StyledPanel);
  PanelTitle->setAlignment(Qt::AlignCenter);
  PanelTitle->setFont(nameFont);
  right->addWidget(PanelTitle);
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
  TNavigationLabel** labels[] = {&Lab1, &Lab2, &Lab3};
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
  PageControl = new QStackedWidget(this);
  PageControl->setObjectName("PageControl");
  FrameKlimat = new TFrameKlimat(PageControl);
  FrameKlimatKoef = new TFrameKlimatKoef(PageControl);
  PageControl->addWidget(FrameKlimat);
  PageControl->addWidget(FrameKlimatKoef);
  PageControl->addWidget(BuildSupportsPage());
  return PageControl;
}

QWidget* TFormMain::BuildSupportsPage() {
  auto* page = new QWidget(PageControl);
  auto* layout = new QVBoxLayout(page);
  auto* toolbar = new TToolBar(page);
  toolbar->setObjectName("RzToolbar1");
  toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  toolbar->addActions(
      {Actions.ActPillarCreate, Actions.ActPillarDelete, Actions.ActPillarEdit, Actions.ActPillarInsert});
  layout->addWidget(toolbar);

  Grid = new TSupportsGrid(page);
  Grid->setObjectName("Grid");
  Grid->setContextMenuPolicy(Qt::CustomContextMenu);
  // As wide as its one column and the scroll bar beside it, no empty band.
  Grid->setFixedWidth(Grid->columnWidth(0) + Grid->verticalScrollBar()->sizeHint().width() +
                      2 * Grid->frameWidth());
  layout->addWidget(Grid, 1, Qt::AlignLeft);

  PillarMenu = new QMenu(this);
  PillarMenu->setObjectName("PillarMenu");
  PillarMenu->addActions(
      {Actions.ActPillarCreate, Actions.ActPillarEdit, Actions.ActPillarInsert, Actions.ActPillarDelete});
  connect(Grid, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PillarMenu->popup(Grid->viewport()->mapToGlobal(at)); });
  connect(Grid, &TStringGrid::RowSelected, this,
          [this](int row) { RunGuarded([&] { GridSelectCell(row); }); });
  connect(Grid, &TStringGrid::RowDoubleClicked, Actions.ActPillarEdit, &QAction::trigger);
  return page;
}

void TFormMain::BuildStatusBar() {
  PahelStatusBar = new QLabel(this);
  PahelStatusBar->setObjectName("PahelStatusBar");
  PahelStatusBar->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  statusBar()->addWidget(PahelStatusBar, 1);
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
      {Actions.ActProjectNew, &TFormMain::ActProjectNewExecute},
      {Actions.ActProjectOpen, &TFormMain::ActProjectOpenExecute},
      {Actions.ActProjectSave, &TFormMain::ActProjectSaveExecute},
      {Actions.ActProjectSaveAs, &TFormMain::ActProjectSaveAsExecute},
      {Actions.ActImportFromDastrel, &TFormMain::ActImportFromDastrelExecute},
      {Actions.ActWiresGuide, &TFormMain::ActWiresGuideExecute},
      {Actions.ActExit, &TFormMain::ActExitExecute},
      {Actions.ActPillarCreate, &TFormMain::ActPillarCreateExecute},
      {Actions.ActPillarInsert, &TFormMain::ActPillarInsertExecute},
      {Actions.ActPillarEdit, &TFormMain::ActPillarEditExecute},
      {Actions.ActPillarDelete, &TFormMain::ActPillarDeleteExecute},
      {Actions.ActCalcProject, &TFormMain::ActCalcProjectExecute},
      {Actions.ActSettingLanguage, &TFormMain::ActSettingLanguageExecute},
      {Actions.ActUnits, &TFormMain::ActUnitsExecute},
      {Actions.ActAbout, &TFormMain::ActAboutExecute},
      {Actions.ActHelp, &TFormMain::ActHelpExecute},
  };
  // The one place where a command's error becomes the default error report.
  for (const auto& binding : bindings) {
    const auto handler = binding.handler;
    connect(binding.action, &QAction::triggered, this,
            [this, handler] { RunGuarded([&] { (this->*handler)(); }); });
  }
}

void TFormMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  RunGuarded([this] { FormShow(); });
}

void TFormMain::FormShow() {
  ForcePointSeparator();
  ProgramFolder = GetFolders().ProgramFolder();
  ProjectsFolder = ProgramFolder + "Projects/";
  LocalizeMainWindow();
  LabClick(Lab1);
  UpdateActions();
  RefreshViews();
}
