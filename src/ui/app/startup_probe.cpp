#include "ui/app/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#ifdef __linux__
#include <time.h>
#include <unistd.h>
#endif

namespace {

// Seconds since the kernel started this process, when the system tells.
std::optional<double> SecondsSinceProcessStart() {
#ifdef __linux__
  std::ifstream statFile("/proc/self/stat");
  std::string stat;
  std::getline(statFile, stat);
  // The command name may hold blanks; the fields we need follow its ")".
  const auto close = stat.rfind(')');
  if (close == std::string::npos) return std::nullopt;
  std::istringstream fields(stat.substr(close + 2));
  std::string field;
  // After the name come state (field 3) ... starttime (field 22).
  for (int index = 3; index <= 22 && fields >> field; ++index) {
    if (index == 22) {
      timespec now{};
      clock_gettime(CLOCK_BOOTTIME, &now);
      const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
      const double started = static_cast<double>(std::stoull(field)) / ticks;
      return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9 - started;
    }
  }
#endif
  return std::nullopt;
}

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
