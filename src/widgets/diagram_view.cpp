#include "widgets/diagram_view.h"

#include <QPainter>

#include "diagrams/swing_diagram.h"

using namespace orv::diagrams;

namespace orv::widgets {

DiagramView::DiagramView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void DiagramView::setDiagram(const std::optional<TSwingDiagram>& diagram) {
  diagram_ = diagram;
  update();
}

void DiagramView::setPlaceholder(const QString& text) {
  placeholder_ = text;
  if (!diagram_) update();
}

QSize DiagramView::sizeHint() const { return SwingDiagramSize(); }

QSize DiagramView::minimumSizeHint() const { return {640, 380}; }

void DiagramView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (diagram_) {
    DrawSwingDiagram(painter, rect(), *diagram_);
    return;
  }
  painter.fillRect(rect(), palette().window());
  painter.setPen(palette().color(QPalette::PlaceholderText));
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, placeholder_);
}

}  // namespace orv::widgets
