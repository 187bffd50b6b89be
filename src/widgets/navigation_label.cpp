#include "widgets/navigation_label.h"

#include <QMouseEvent>

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

QColor TNavigationLabel::BackgroundColour() const {
  return active_ ? kActiveColour : palette().color(QPalette::Button);
}

QColor TNavigationLabel::BorderColour() const {
  return active_ ? palette().color(QPalette::Highlight) : palette().color(QPalette::Dark);
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
                         palette().color(QPalette::ButtonText).name()));
}
