#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace orv::ui {

// The geometry (without the frame) that shows a window of `wanted` size,
// framed by `frame`, whole inside `available`: shrunk where it does not fit,
// centred in what is left.
QRect FitWindowRect(QSize wanted, const QRect& available, const QMargins& frame);

// The largest size (without the frame) `window` can take on the screen it
// shows on, its parent's before it is shown: the available area (the screen
// less the task bar) less the frame. Empty where no screen is known.
QSize RoomOnScreen(const QWidget& window);

// Moves a window whose frame sticks out of its screen's available area back
// in, as little as it takes: a dialog is placed before it takes its size.
void KeepOnScreen(QWidget& window);

// Sizes the program's first window to its screen's available area (the
// screen less the task bar) before it is shown, with the frame estimated from
// the style; once shown, the real frame is measured and the window moved in
// again if it still sticks out.
void PlaceFirstWindow(QWidget& window);

}  // namespace orv::ui
