#include "test_main_window_fixture.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTimer>
#include <QWidget>

#include "platform/file_dialogs.h"
#include "project/file/project_file.h"
#include "project/catalogue/wire_catalog.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"
#include "support/find_child.h"
#include "ui/frames/frm_klimat.h"
#include "ui/frames/frm_klimat_koef.h"
#include "ui/results/supports_view.h"
#include "widgets/navigation_label.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::platform;
using namespace orv::widgets;
using namespace orv::ui;

namespace {

// One application object for the whole test program; Qt allows only one.
void EnsureApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "ui_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

void SendKey(QWidget& target, int key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(&target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(&target, &release);
}

}  // namespace

TModalScript::TModalScript(std::chrono::milliseconds patience)
    : timer_(std::make_unique<QTimer>()), patience_(patience) {
  QObject::connect(timer_.get(), &QTimer::timeout, [this] { Poll(); });
  timer_->start(5);
}

TModalScript::~TModalScript() = default;

namespace {

// The class without the namespace: the tests name the dialogs by their class.
std::string DialogClass(const QWidget& dialog) {
  const std::string name = dialog.metaObject()->className();
  return name.substr(name.rfind(':') + 1);
}

}  // namespace

void TModalScript::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) {
    waitingFor_ = nullptr;
    return;
  }
  if (modal != waitingFor_) {
    waitingFor_ = modal;
    waited_.start();
  } else if (std::chrono::milliseconds(waited_.elapsed()) > patience_) {
    GiveUp(*modal);
    return;
  }
  if (modal == last_ || steps_.empty()) return;
  last_ = modal;
  seen.push_back(DialogClass(*modal));
  auto step = std::move(steps_.front());
  steps_.pop_front();
  step(*modal);
  last_ = nullptr;
  waited_.start();
}

void TModalScript::GiveUp(QWidget& modal) {
  ADD_FAILURE() << "the modal dialog " << DialogClass(modal) << " \"" << modal.windowTitle().toStdString()
                << "\" was still open " << patience_.count()
                << " ms after it appeared or after the script's last step on it (a step it refused, or no"
                   " step for it); closed so that the run goes on";
  waitingFor_ = nullptr;
  if (auto* dialog = qobject_cast<QDialog*>(&modal))
    dialog->done(QDialog::Rejected);
  else
    modal.hide();
}

void ProcessEvents() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void ClickWidget(QWidget& widget) {
  const QPointF centre = QRectF(widget.rect()).center();
  const QPointF global = widget.mapToGlobal(centre);
  QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(&widget, &release);
  ProcessEvents();
}

void TypeInto(QWidget& edit, const QString& text) {
  QWidget* target = &edit;
  if (auto* line = edit.findChild<QLineEdit*>()) target = line;
  target->setFocus();
  SendKey(*target, Qt::Key_A, Qt::ControlModifier);
  for (QChar character : text) SendKey(*target, 0, Qt::NoModifier, QString(character));
  if (auto* spin = qobject_cast<QAbstractSpinBox*>(&edit)) emit spin->editingFinished();
  ProcessEvents();
}

void MainWindowTest::SetUp() {
  EnsureApplication();
  scratch = std::filesystem::temp_directory_path() /
            ("orvane_main_window_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
  std::filesystem::remove_all(scratch);
  std::filesystem::create_directories(scratch / "program" / "Projects");
  std::filesystem::create_directories(scratch / "data");
  folders.programFolder = (scratch / "program").string() + "/";
  folders.sharedDataFolder = (scratch / "data").string() + "/";
  SetMessages(&messages);
  SetSettingsStore(&store);
  SetSystemLanguage(&systemLanguage);
  SetShell(&shell);
  SetFolders(&folders);
  SetFileDialogs(&fileDialogs);
  Start(0);
}

void MainWindowTest::Start(int languageIndex) {
  StopWindows();
  store.values["Language"] = std::to_string(languageIndex);
  InitLocalization();
  RegisterAllTexts();
  workspace_ = std::make_unique<TWorkspace>();
  windows_ = std::make_unique<TDesktopWindows>(*workspace_);
  Main().show();
  ProcessEvents();
}

void MainWindowTest::StopWindows() {
  windows_.reset();
  workspace_.reset();
  ProcessEvents();
}

void MainWindowTest::TearDown() {
  StopWindows();
  FreeLocalization();
  ResetPorts();
  SetFileDialogs(nullptr);
  std::error_code ignored;
  std::filesystem::remove_all(scratch, ignored);
}

std::string MainWindowTest::ScratchPath(const std::string& name) const { return (scratch / name).string(); }

TProject MainWindowTest::SampleProject(int supports) {
  TProject project;
  project.Klimat.IceThickness = 25;
  project.Klimat.TempMin = -45.5;
  project.Klimat.WindVelocityMax = 32;
  project.KlimatKoef.WindRespCoef = 1.1;
  project.KlimatKoef.WireHeight = 20;
  project.KlimatKoef.TerrainType = 2;
  for (int i = 0; i < supports; ++i) {
    TPillar support;
    support.SupportNumber = "P" + std::to_string(i + 1);
    support.WireName = "AC 70/11";
    support.SpanLeft = 200 + i;
    support.SpanRight = 210 + i;
    support.StressMax = 13.5;
    project.Pillars.Add(support);
  }
  return project;
}

void MainWindowTest::OpenShippedExample(int languageIndex, const char* example) {
  Start(languageIndex);
  Catalogue().Load(std::string(ORVANE_PROGRAM_DIR) + "/base_provod.dat");
  fileDialogs.answers.push_back(std::string(ORVANE_SOURCE_DIR) + "/examples/" + example);
  Action("ActProjectOpen")->trigger();
}

std::string MainWindowTest::WriteSample(const std::string& name, TProject project) {
  const std::string path = ScratchPath(name);
  SaveProjectFile(path, project);
  return path;
}

std::vector<std::string> MainWindowTest::MessageTexts() const {
  std::vector<std::string> texts;
  for (const RecordedMessage& message : messages.shown) texts.push_back(message.text);
  return texts;
}

QAction* MainWindowTest::Action(const char* name) { return Child<QAction>(Main(), name); }
QLabel* MainWindowTest::Label(const char* name) { return Child<QLabel>(Main(), name); }
TNavigationLabel* MainWindowTest::Lab(int tag) {
  return Child<TNavigationLabel>(Main(), QString("Lab%1").arg(tag));
}
QStackedWidget* MainWindowTest::Pages() { return Child<QStackedWidget>(Main(), "PageControl"); }
TSupportsView* MainWindowTest::Grid() { return Child<TSupportsView>(Main(), "Grid"); }
TFrameKlimat* MainWindowTest::FrameKlimat() { return Child<TFrameKlimat>(Main(), "FrameKlimat"); }
TFrameKlimatKoef* MainWindowTest::FrameKlimatKoef() {
  return Child<TFrameKlimatKoef>(Main(), "FrameKlimatKoef");
}
