#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "project/project.h"
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

// The program's top level: owns the open project and leads the user through
// the climatic conditions, the climatic parameters with the reliability
// coefficients, and the list of supports.
class TFormMain : public QMainWindow {
 public:
  // The creation handler: registers the dictionary entries of the window and
  // its frames, starts with an unnamed project equal to its saved copy.
  TFormMain();
  ~TFormMain() override;

  // The dialogs the window runs; they are created after it.
  void AttachDialogs(const TMainDialogs& dialogs);

  // --- data ---
  TProject CurrentProject;
  TProject SavedProject;  // as last created, opened or saved
  std::string ProjectFileName;
  std::string ProgramFolder;
  std::string ProjectsFolder;
  int CurrentRow = 0;
  TNavigationLabel* CurrentSection = nullptr;

  // --- components ---
  TMainActions Actions;
  QLabel* PanelProjectName = nullptr;
  TNavigationLabel* Lab1 = nullptr;
  TNavigationLabel* Lab2 = nullptr;
  TNavigationLabel* Lab3 = nullptr;
  QLabel* PanelTitle = nullptr;
  QStackedWidget* PageControl = nullptr;
  TFrameKlimat* FrameKlimat = nullptr;
  TFrameKlimatKoef* FrameKlimatKoef = nullptr;
  TSupportsGrid* Grid = nullptr;
  QMenu* PillarMenu = nullptr;
  QLabel* PahelStatusBar = nullptr;

  // --- commands that other windows add ---
  // Add, insert and edit a support run the support editor; the catalogue
  // command shows the catalogue window. Unset handlers do nothing.
  std::function<void()> PillarCreateHandler;
  std::function<void()> PillarInsertHandler;
  std::function<void()> PillarEditHandler;
  std::function<void()> WiresGuideHandler;
  // Called once the window has closed for good (the program then ends).
  std::function<void()> ClosedHandler;

  // --- operations ---
  void CommitFrames();
  // Commits the frames, then compares with the saved copy.
  bool IsModified();
  void QuerySaveChanges();
  void WriteProject();
  void RefreshViews();
  void FillGrid();
  void ShowRow(int row);
  void GridSelectCell(int row);
  void UpdateActions();
  void LocalizeMainWindow();
  void LabClick(TNavigationLabel* label);
  // The project's name as the panel shows it; empty while unnamed.
  std::string ProjectNameText() const;

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
  // Writes to `path`; the name is taken over only when the write succeeded.
  void WriteProjectTo(const std::string& path);
  void ShowProjectName();
  void SelectGridRow(int row);
  std::optional<std::string> AskProjectFile(bool save, const std::string& proposed);

  std::unique_ptr<TMainMenus> menus_;
  std::unique_ptr<TMainDialogs> dialogs_;
  bool shown_ = false;
  bool closed_ = false;
};
