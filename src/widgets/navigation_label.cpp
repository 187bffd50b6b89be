#include "widgets/navigation_label.h"

#include <QApplication>
#include <QMouseEvent>

namespace orv::widgets {

TNavigationLabel::TNavigationLabel(int tag, QWidget* parent) : QLabel(parent), tag_(tag) {
  setCursor(Qt::PointingHandCursor);
  setWordWrap(true);
  setMargin(6);
  ApplyColours();
}

void TNavigationLabel::SetActive(bool active) {
  active_ = active;
  ApplyColours();
}

// The colours come from the application's palette: the label's own palette is
// rewritten by its style sheet, so reading it back would keep an old colour.
QColor TNavigationLabel::BackgroundColour() const {
  return active_ ? kActiveColour : QApplication::palette(this).color(QPalette::Button);
}

QColor TNavigationLabel::BorderColour() const {
  QPalette colours = QApplication::palette(this);
  return active_ ? colours.color(QPalette::Highlight) : colours.color(QPalette::Dark);
}

void TNavigationLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit Clicked(this);
  }
}

void TNavigationLabel::ApplyColours() {
  setStyleSheet(QString("QLabel { background-color: %1; border: 1px solid %2; color: %3; }")
                    .arg(BackgroundColour().name(), BorderColour().name(),
                         QApplication::palette(this).color(QPalette::ButtonText).name()));
}

}  // namespace orv::widgets
