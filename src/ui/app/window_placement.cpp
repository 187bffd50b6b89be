#include "ui/app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace orv::ui {

namespace {

// Before the first show no system has told the frame yet.
QMargins EstimatedFrame(const QWidget& window) {
  const int border = std::max(window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth), 4);
  const int title = std::max(window.style()->pixelMetric(QStyle::PM_TitleBarHeight), 24);
  return QMargins(border, title + border, border, border);
}

QMargins MeasuredFrame(const QWidget& window) {
  const QRect outer = window.frameGeometry();
  const QRect inner = window.geometry();
  return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                  outer.bottom() - inner.bottom());
}

QRect AvailableArea(const QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

}  // namespace

QSize RoomOnScreen(const QWidget& window) {
  const QWidget& shown = window.isVisible() || !window.parentWidget() ? window : *window.parentWidget()->window();
  const QRect available = AvailableArea(shown);
  if (available.isEmpty()) return {};
  // Until the window system tells the frame (most do once the window
  // exists, as it does when it is shown), the frame is a guess.
  const QMargins measured = MeasuredFrame(window);
  return available.marginsRemoved(measured.isNull() ? EstimatedFrame(window) : measured).size();
}

void KeepOnScreen(QWidget& window) {
  const QRect area = AvailableArea(window);
  const QRect frame = window.frameGeometry();
  if (area.isEmpty() || area.contains(frame)) return;
  const auto inside = [](int start, int length, int areaStart, int areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
  };
  window.move(inside(frame.left(), frame.width(), area.left(), area.width()),
              inside(frame.top(), frame.height(), area.top(), area.height()));
}

QRect FitWindowRect(QSize wanted, const QRect& available, const QMargins& frame) {
  const QRect inside = available.marginsRemoved(frame);
  const QSize size = wanted.boundedTo(inside.size()).expandedTo(QSize(1, 1));
  const QPoint corner(inside.left() + std::max(0, (inside.width() - size.width()) / 2),
                      inside.top() + std::max(0, (inside.height() - size.height()) / 2));
  return QRect(corner, size);
}

void PlaceFirstWindow(QWidget& window) {
  const QRect available = AvailableArea(window);
  if (available.isEmpty()) return;
  window.setGeometry(FitWindowRect(window.size(), available, EstimatedFrame(window)));
  QTimer::singleShot(0, &window, [&window] {
    const QRect area = AvailableArea(window);
    if (area.isEmpty() || area.contains(window.frameGeometry())) return;
    window.setGeometry(FitWindowRect(window.size(), area, MeasuredFrame(window)));
  });
}

}  // namespace orv::ui
