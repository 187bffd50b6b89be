#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "project/workspace.h"
#include "ui/main_window/main_actions.h"

class QCloseEvent;
class QLabel;
class QMenu;
class QShowEvent;
class QStackedWidget;
class QTabWidget;
namespace orv::widgets { class DiagramView; }
namespace orv::widgets { class ProfileView; }
namespace orv::widgets { class TNavigationLabel; }

namespace orv::ui {

class TFormAbout;
class TFormPillars;
class TFormSave_Project;
class TFormUnitsDlg;
class TFormWait;
class TFormWiresBase;
class TLanguageDialog;
class TFormSupportDetails;
class TFrameKlimat;
class TFrameKlimatKoef;
class TResultsTableModel;
class TSupportsView;

// The dialogs and windows the main window runs. They are created after it,
// in the start-up order, and live as long as it does.
struct TMainDialogs {
  TFormUnitsDlg* UnitsDlg = nullptr;
  TLanguageDialog* LanguageDialog = nullptr;
  TFormAbout* FormAbout = nullptr;
  TFormWait* FormWait = nullptr;
  TFormSave_Project* FormSave_Project = nullptr;
  // The support editor of add, insert and edit, and the catalogue window of
  // the catalogue command. Without them (a window made alone) those commands
  // do nothing.
  TFormPillars* FormPillars = nullptr;
  TFormWiresBase* FormWiresBase = nullptr;
};

// The program's top level: shows the open project and leads the user
// through the climatic conditions, the climatic parameters with the
// reliability coefficients, and the list of supports. It keeps no data of its
// own: the documents and the results belong to the start-up code, the views
// follow their notifications, and every command is a document operation.
// form_main.cpp builds the window and closes it, form_main_views.cpp keeps
// it in step with the documents, form_main_commands.cpp holds the commands.
class TFormMain : public QMainWindow {
 public:
  explicit TFormMain(project::TWorkspace& workspace);
  ~TFormMain() override;

  // The dialogs the window runs; they are created after it.
  void AttachDialogs(const TMainDialogs& dialogs);

  // The open project, for the windows that add commands to this one.
  project::TProjectDocument& Document() { return document_; }
  project::TWireCatalog& Catalogue() { return workspace_.Catalogue; }
  // Index of the selected support (0 when there are none).
  int CurrentRow() const { return currentRow_; }
  // Selects the grid row of support `row` and makes it the current one.
  void SelectSupport(int row);

  // Called once the window has closed for good (the program then ends).
  void AttachClosedHandler(std::function<void()> handler) { closedHandler_ = std::move(handler); }

  // The project differs from its saved copy. Values typed into the climate
  // frames count once committed: the commands that ask commit them first.
  bool IsModified() const;

  // --- command handlers (each runs under the error guard when triggered) ---
  void ActProjectNewExecute();
  void ActProjectOpenExecute();
  void ActProjectSaveExecute();
  void ActProjectSaveAsExecute();
  void ActImportFromDastrelExecute();
  void ActWiresGuideExecute();
  void ActExitExecute();
  void ActPillarCreateExecute();
  void ActPillarInsertExecute();
  void ActPillarEditExecute();
  void ActPillarDeleteExecute();
  void ActCalcProjectExecute();
  void ActSettingLanguageExecute();
  void ActUnitsExecute();
  void ActAboutExecute();
  void ActHelpExecute();
  // The details of the current support: how its result was reached.
  void ActPillarDetailsExecute();
  void ActUndoExecute();
  void ActRedoExecute();
  void ActViewClimateExecute();
  void ActViewParametersExecute();
  void ActViewSupportsExecute();
  void ActPillarCopyExecute();
  void ActPillarPasteClipboardExecute();
  // Opens a project of the recent list; a file that is gone is dropped
  // from the list with a word.
  void OpenRecent(const std::string& path);

  // The close sequence: the save prompt and the quit question; true lets
  // the window close. FormClose saves a changed catalogue and frees the dictionary.
  bool FormCloseQuery();
  void FormClose();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Enter, Delete and Insert on the supports grid.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormShow();
  void BuildLayout();
  QWidget* BuildNavigation();
  QWidget* BuildPages();
  QWidget* BuildSupportsPage();
  void BuildToolbar();
  void BuildStatusBar();
  void ConnectActions();

  // Brings the frames, the actions and the names in line with what the
  // document says has changed; the results follow ResultsChanged.
  void DocumentChanged(const project::TDocumentChange& change);
  void ResultsChanged(const project::TResultsChange& change);
  // Hands the values typed into the two climate frames to the document.
  void CommitFrames();
  // The climate and the coefficients as the frames show them now.
  std::pair<calc::TKlimat, calc::TKlimatKoef> FramesValues() const;
  // Asks whether to save a modified project before it is replaced or the
  // program ends. False when the user cancels (or cancels the file dialog
  // of the save): the calling command must then leave everything as it is.
  bool QuerySaveChanges();
  // Save: under the current name, or under one the user gives. False when
  // the user cancelled the file dialog.
  bool SaveProject();
  void OpenProject(const std::string& path);
  void WriteProject();
  // Writes to `path`; the name is taken over only when the write succeeded.
  void WriteProjectTo(const std::string& path);
  void RefreshViews();
  void ShowFrames();
  // Selects the current support, or the nearest one there is.
  void SelectCurrentRow();
  void ShowRow(int row);
  void GridSelectCell(int row);
  void UpdateActions();
  // Undo and redo follow the document, and a value typed into a frame,
  // which becomes an edit at the next commit.
  void UpdateUndoActions();
  void WatchFrames();
  void FillRecentMenu();
  // Captions in the language in force; the views are filled by the
  // RefreshViews that follows it at start-up and after a language change.
  void LocalizeMainWindow();
  void LabClick(widgets::TNavigationLabel* label);
  // The project's name as the panel shows it; empty while unnamed.
  std::string ProjectNameText() const;
  void ShowProjectName();
  void ShowTitle();
  void SelectGridRow(int row);

  // --- the results of every support, as the results model holds them ---
  QWidget* BuildPictures(QWidget* parent);
  // Rows, table and pictures from the outcomes as they stand.
  void ShowResults();
  void ShowPictures();
  void ShowCurrentSupport();
  void LocalizeResults();
  std::optional<std::string> AskProjectFile(bool save, const std::string& proposed);

  project::TWorkspace& workspace_;
  project::TProjectDocument& document_;
  const project::TResultsModel& results_;
  std::string programFolder_;
  std::string projectsFolder_;
  // Where the last project or report dialog ended; the next one starts there.
  std::string lastFolder_;
  int currentRow_ = 0;
  widgets::TNavigationLabel* currentSection_ = nullptr;
  // Set while the frames hand their values over, which they already show.
  bool committing_ = false;

  TMainActions actions_;
  QLabel* projectName_ = nullptr;
  widgets::TNavigationLabel* lab1_ = nullptr;
  widgets::TNavigationLabel* lab2_ = nullptr;
  widgets::TNavigationLabel* lab3_ = nullptr;
  QLabel* sectionTitle_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  TFrameKlimat* frameKlimat_ = nullptr;
  TFrameKlimatKoef* frameKlimatKoef_ = nullptr;
  TResultsTableModel* resultsTable_ = nullptr;
  TSupportsView* grid_ = nullptr;
  QMenu* pillarMenu_ = nullptr;
  QAction* actPillarDetails_ = nullptr;
  QTabWidget* pictures_ = nullptr;
  widgets::DiagramView* swingView_ = nullptr;
  widgets::ProfileView* profileView_ = nullptr;
  TFormSupportDetails* details_ = nullptr;
  QLabel* statusText_ = nullptr;

  TMainMenus menus_;
  TMainDialogs dialogs_;
  project::TProjectDocument::TToken documentToken_ = 0;
  project::TResultsModel::TToken resultsToken_ = 0;
  bool shown_ = false;
  bool closed_ = false;
  std::function<void()> closedHandler_;
};

}  // namespace orv::ui
