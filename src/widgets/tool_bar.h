#pragma once

#include <QToolBar>

namespace orv::widgets {

// A toolbar whose buttons can be set apart by gaps of a given width.
class TToolBar : public QToolBar {
  Q_OBJECT

 public:
  explicit TToolBar(QWidget* parent = nullptr);
  void AddGap(int pixels);
};

}  // namespace orv::widgets
