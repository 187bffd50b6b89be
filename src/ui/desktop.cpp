#include "ui/desktop.h"

#include <QTimer>

#include "platform/application_title.h"
#include "platform/qt_ports.h"
#include "project/workspace.h"
#include "settings/localization.h"
#include "settings/texts/all_texts.h"
#include "ui/app/desktop_windows.h"
#include "ui/app/window_placement.h"
#include "ui/app/orv_application.h"
#include "ui/app/start_up_guard.h"
#include "ui/app/startup_probe.h"
#include "ui/app/window_memory.h"
#include "ui/main_window/form_main.h"

using namespace orv::settings;
using namespace orv::platform;
using namespace orv::project;

namespace orv::ui {

namespace {

constexpr const char* kHelpFileName = "ORVHELP.hlp";

int RunProgram(TOrvApplication& app, const std::string& project) {
  InitLocalization();
  RegisterAllTexts();
  app.setApplicationName(kApplicationTitle);
  app.setProperty("helpFile", kHelpFileName);  // kept for its name only: Help opens the PDF manual
  // The documents outlive the windows that show them.
  TWorkspace workspace;
  TDesktopWindows windows(workspace);
  TFormMain& formMain = windows.FormMain();
  // Other windows (the about box, the catalogue) may still be open when the
  // main window closes; its closing alone ends the program.
  app.setQuitOnLastWindowClosed(false);
  formMain.AttachClosedHandler([&app] { app.quit(); });
  TStartupProbe::WatchIfRequested(formMain);
  RestoreWindowLayout(formMain);
  PlaceFirstWindow(formMain);
  formMain.show();
  if (!project.empty()) QTimer::singleShot(0, &formMain, [&formMain, project] { formMain.OpenRecent(project); });
  return app.exec();
}

}  // namespace

int RunDesktop(int argc, char** argv, const std::string& project) {
  TOrvApplication app(argc, argv);
  QtPorts ports;
  return RunStartUpGuarded([&app, &project] { return RunProgram(app, project); });
}

}  // namespace orv::ui
