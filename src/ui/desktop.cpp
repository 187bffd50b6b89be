#include "ui/desktop.h"

#include <QApplication>
#include <QMainWindow>

int RunDesktop(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Orvane");
  window.show();
  return app.exec();
}
