#pragma once

#include <QObject>

class QWidget;

namespace orv::ui {

// Start-up measurement: when the environment variable ORVANE_EXIT_AFTER_SHOW
// is set, the first exposure of the watched window prints how long the
// program took to get there and ends the message loop. tools/startup_time.sh
// relies on the printed lines.
class TStartupProbe : public QObject {
 public:
  // Watches `window`, not yet shown, when the variable is set; else does nothing.
  static void WatchIfRequested(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit TStartupProbe(QObject* parent);
  bool reported_ = false;
};

}  // namespace orv::ui
