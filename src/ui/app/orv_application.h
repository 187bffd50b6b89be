#pragma once

#include <QApplication>

namespace orv::ui {

// The application object of the desktop program. Qt must not see an
// exception leave an event handler; any error that slips past the commands'
// own guard ends up here and is shown as the default error report.
class TOrvApplication : public QApplication {
 public:
  TOrvApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace orv::ui
