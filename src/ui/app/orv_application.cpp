#include "ui/app/orv_application.h"

#include "ui/app/command_guard.h"

namespace orv::ui {

TOrvApplication::TOrvApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TOrvApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ReportCurrentException();
    return false;
  }
}

}  // namespace orv::ui
