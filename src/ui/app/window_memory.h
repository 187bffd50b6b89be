#pragma once

class QMainWindow;

namespace orv::ui {

// The main window's size and the split between the supports table and the
// pictures, kept in the settings from one start to the next. A size the
// screen cannot show is fitted when the window is placed.
void RestoreWindowLayout(QMainWindow& window);
void RememberWindowLayout(const QMainWindow& window);

}  // namespace orv::ui
