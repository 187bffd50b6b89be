#pragma once

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/scripted_file_dialogs.h"
#include "project/model/project.h"
#include "project/workspace.h"
#include "settings/ports/memory_ports.h"
#include "ui/app/desktop_windows.h"
#include "ui/main_window/form_main.h"

class QAction;
class QLabel;
class QStackedWidget;
class QTimer;
class QWidget;
namespace orv::ui { class TFrameKlimat; }
namespace orv::ui { class TFrameKlimatKoef; }
namespace orv::widgets { class TNavigationLabel; }
namespace orv::ui { class TSupportsView; }

// Answers the modal dialogs the program runs, in order: each step gets the
// dialog that became modal and must end it. The class names of the dialogs
// met are kept, so a test can tell which prompts appeared. A dialog still
// open `patience` after it appeared or after its last step (a step whose OK
// the dialog refuses, a dialog no step was written for) fails the test,
// naming the dialog, and is closed, so that the run goes on instead of
// waiting for ever.
class TModalScript {
 public:
  explicit TModalScript(std::chrono::milliseconds patience = std::chrono::seconds(20));
  ~TModalScript();
  void Then(std::function<void(QWidget&)> step) { steps_.push_back(std::move(step)); }
  // The class names of the dialogs answered so far.
  std::vector<std::string> seen;

 private:
  void Poll();
  void GiveUp(QWidget& modal);
  std::deque<std::function<void(QWidget&)>> steps_;
  QWidget* last_ = nullptr;
  std::unique_ptr<QTimer> timer_;
  std::chrono::milliseconds patience_;
  QPointer<QWidget> waitingFor_;  // the modal dialog being timed
  QElapsedTimer waited_;
};

// Mouse and keyboard input as the user gives it.
void ClickWidget(QWidget& widget);
// Selects the edit's whole text and types `text` over it, then leaves the field.
void TypeInto(QWidget& edit, const QString& text);
void ProcessEvents();

// A whole desktop program for each test: in-memory settings (English unless
// a test starts it otherwise), recorded messages, scripted file dialogs and a
// scratch program folder, all windows created in the start-up order and the
// main window shown.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the windows and shows the main window; SetUp does this in English.
  void Start(int languageIndex);
  void StopWindows();

  orv::ui::TFormMain& Main() { return windows_->FormMain(); }
  orv::ui::TDesktopWindows& Windows() { return *windows_; }
  orv::project::TWorkspace& Workspace() { return *workspace_; }
  orv::project::TWireCatalog& Catalogue() { return workspace_->Catalogue; }
  // The main window's parts, found by their object names.
  QAction* Action(const char* name);
  QLabel* Label(const char* name);
  orv::widgets::TNavigationLabel* Lab(int tag);
  QStackedWidget* Pages();
  orv::ui::TSupportsView* Grid();
  orv::ui::TFrameKlimat* FrameKlimat();
  orv::ui::TFrameKlimatKoef* FrameKlimatKoef();
  std::string ScratchPath(const std::string& name) const;
  // A project with a climate unlike the defaults and `supports` supports.
  static orv::project::TProject SampleProject(int supports);
  // Starts the program in a language with the shipped catalogue and opens
  // examples/`example` as the user does, through Project > Open.
  void OpenShippedExample(int languageIndex, const char* example);
  // Writes `project` to a scratch file and returns its path.
  std::string WriteSample(const std::string& name, orv::project::TProject project);
  // Texts of the messages shown, in order.
  std::vector<std::string> MessageTexts() const;

  orv::settings::RecordingMessages messages;
  orv::platform::ScriptedFileDialogs fileDialogs;
  orv::settings::MemorySettingsStore store;
  orv::settings::FixedSystemLanguage systemLanguage;
  orv::settings::RecordingShell shell;
  orv::settings::FixedFolders folders;
  std::filesystem::path scratch;

 private:
  std::unique_ptr<orv::project::TWorkspace> workspace_;
  std::unique_ptr<orv::ui::TDesktopWindows> windows_;
};
