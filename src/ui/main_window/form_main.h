#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "project/project_document.h"
#include "ui/main_window/main_actions.h"

class QCloseEvent;
class QLabel;
class QMenu;
class QShowEvent;
class QStackedWidget;
class TFrameKlimat;
class TFrameKlimatKoef;
struct TMainMenus;
class TNavigationLabel;
class TSupportsGrid;
struct TMainDialogs;

// The program's top level: shows the open project (the document it holds)
// and leads the user through the climatic conditions, the climatic
// parameters with the reliability coefficients, and the list of supports.
// It keeps no project data of its own: every view follows the document's
// change notifications, and every command is a document operation.
class TFormMain : public QMainWindow {
 public:
  // The creation handler: registers the dictionary entries of the window and
  // its frames, starts with an unnamed project equal to its saved copy.
  TFormMain();
  ~TFormMain() override;

  // The dialogs the window runs; they are created after it.
  void AttachDialogs(const TMainDialogs& dialogs);

  // The open project, for the windows that add commands to this one.
  TProjectDocument& Document() { return document_; }
  // Index of the selected support (0 when there are none).
  int CurrentRow() const { return currentRow_; }
  // Selects the grid row of support `row` and makes it the current one.
  void SelectSupport(int row);

  // --- commands that other windows add ---
  // Add, insert and edit a support run the support editor; the catalogue
  // command shows the catalogue window. Unset handlers do nothing.
  std::function<void()> PillarCreateHandler;
  std::function<void()> PillarInsertHandler;
  std::function<void()> PillarEditHandler;
  std::function<void()> WiresGuideHandler;
  // Called once the window has closed for good (the program then ends).
  std::function<void()> ClosedHandler;

  // Commits the frames, then compares with the saved copy.
  bool IsModified();

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

  // The close sequence: the save prompt and the quit question; true lets
  // the window close. FormClose saves the catalogue and frees the dictionary.
  bool FormCloseQuery();
  void FormClose();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormShow();
  void BuildLayout();
  QWidget* BuildNavigation();
  QWidget* BuildPages();
  QWidget* BuildSupportsPage();
  void BuildToolbar();
  void BuildStatusBar();
  void ConnectActions();

  // Brings the views in line with what the document says has changed.
  void DocumentChanged(const TDocumentChange& change);
  // Hands the values typed into the two climate frames to the document.
  void CommitFrames();
  void QuerySaveChanges();
  void WriteProject();
  // Writes to `path`; the name is taken over only when the write succeeded.
  void WriteProjectTo(const std::string& path);
  void RefreshViews();
  void FillGrid();
  void ShowRow(int row);
  void GridSelectCell(int row);
  void UpdateActions();
  void LocalizeMainWindow();
  void LabClick(TNavigationLabel* label);
  // The project's name as the panel shows it; empty while unnamed.
  std::string ProjectNameText() const;
  void ShowProjectName();
  void SelectGridRow(int row);
  std::optional<std::string> AskProjectFile(bool save, const std::string& proposed);

  TProjectDocument document_;
  std::string programFolder_;
  std::string projectsFolder_;
  int currentRow_ = 0;
  TNavigationLabel* currentSection_ = nullptr;
  // Set while the frames hand their values over, which they already show.
  bool committing_ = false;

  TMainActions actions_;
  QLabel* projectName_ = nullptr;
  TNavigationLabel* lab1_ = nullptr;
  TNavigationLabel* lab2_ = nullptr;
  TNavigationLabel* lab3_ = nullptr;
  QLabel* sectionTitle_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  TFrameKlimat* frameKlimat_ = nullptr;
  TFrameKlimatKoef* frameKlimatKoef_ = nullptr;
  TSupportsGrid* grid_ = nullptr;
  QMenu* pillarMenu_ = nullptr;
  QLabel* statusText_ = nullptr;

  std::unique_ptr<TMainMenus> menus_;
  std::unique_ptr<TMainDialogs> dialogs_;
  bool shown_ = false;
  bool closed_ = false;
};
