#include "ui/app/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/common/process_start.h"

using namespace orv::platform;

namespace orv::ui {

namespace {

long long EpochNanoseconds() {
  using namespace std::chrono;
  return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

TStartupProbe::TStartupProbe(QObject* parent) : QObject(parent) {}

void TStartupProbe::WatchIfRequested(QWidget& window) {
  if (!std::getenv("ORVANE_EXIT_AFTER_SHOW")) return;
  // The native window must exist before it is shown to see its first exposure.
  window.winId();
  QWindow* handle = window.windowHandle();
  if (handle) handle->installEventFilter(new TStartupProbe(handle));
}

bool TStartupProbe::eventFilter(QObject* watched, QEvent* event) {
  auto* handle = qobject_cast<QWindow*>(watched);
  if (!reported_ && event->type() == QEvent::Expose && handle && handle->isExposed()) {
    reported_ = true;
    std::printf("shown-at-epoch-ns %lld\n", EpochNanoseconds());
    if (auto seconds = SecondsSinceProcessStart()) {
      std::printf("window shown %.3f s after process start\n", *seconds);
    }
    std::fflush(stdout);
    QCoreApplication::exit(0);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace orv::ui
