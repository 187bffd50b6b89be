#include "diagrams/legend.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "diagrams/picture_style.h"

namespace orv::diagrams {

namespace {

constexpr double kSampleWidth = 28;
constexpr double kGap = 6;
constexpr double kItemGap = 18;
constexpr double kRowHeight = 20;

// Rows grow with a font taller than ours, as another system may substitute.
double RowHeight(const QFontMetricsF& metrics) { return std::max(kRowHeight, metrics.height() + 4); }

double ItemWidth(const QFontMetricsF& metrics, const TLegendItem& item) {
  return kSampleWidth + kGap + metrics.horizontalAdvance(item.text);
}

// Calls place(item, left, top) for each entry in reading order; returns the
// number of rows.
template <typename Place>
int Flow(const std::vector<TLegendItem>& items, const QRectF& rect, Place place) {
  QFontMetricsF metrics(LabelFont());
  double x = rect.left();
  int row = 0;
  for (const TLegendItem& item : items) {
    double w = ItemWidth(metrics, item);
    if (x > rect.left() && x + w > rect.right()) {
      x = rect.left();
      ++row;
    }
    place(item, x, rect.top() + row * RowHeight(metrics));
    x += w + kItemGap;
  }
  return items.empty() ? 0 : row + 1;
}

void DrawSample(QPainter& painter, const TLegendItem& item, const QPointF& mid) {
  if (item.sample == TLegendSample::Line) {
    painter.setPen(item.pen);
    painter.drawLine(QPointF(mid.x() - kSampleWidth / 2, mid.y()),
                     QPointF(mid.x() + kSampleWidth / 2, mid.y()));
  } else if (item.sample == TLegendSample::Swatch) {
    painter.setPen(item.pen);
    painter.setBrush(item.brush);
    painter.drawRoundedRect(QRectF(mid.x() - 8, mid.y() - 6, 16, 12), 3, 3);
  } else {
    DrawMarker(painter, item.sample, mid, item.pen, item.brush);
  }
}

}  // namespace

double LegendHeight(const std::vector<TLegendItem>& items, double width) {
  return Flow(items, QRectF(0, 0, width, 0), [](const TLegendItem&, double, double) {}) *
         RowHeight(QFontMetricsF(LabelFont()));
}

void DrawLegend(QPainter& painter, const QRectF& rect, const std::vector<TLegendItem>& items) {
  painter.save();
  painter.setFont(LabelFont());
  const QFontMetricsF metrics(painter.font());
  Flow(items, rect, [&](const TLegendItem& item, double left, double top) {
    const double height = RowHeight(metrics);
    DrawSample(painter, item, QPointF(left + kSampleWidth / 2, top + height / 2));
    painter.setPen(TextPen());
    painter.drawText(QRectF(left + kSampleWidth + kGap, top, ItemWidth(metrics, item), height),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, item.text);
  });
  painter.restore();
}

void DrawMarker(QPainter& painter, TLegendSample sample, const QPointF& at, const QPen& pen,
                const QBrush& brush) {
  painter.save();
  painter.setPen(pen);
  painter.setBrush(brush);
  const double r = 5.5;
  if (sample == TLegendSample::Diamond) {
    painter.drawPolygon(QPolygonF({at + QPointF(0, -r - 1.5), at + QPointF(r + 1.5, 0),
                                   at + QPointF(0, r + 1.5), at + QPointF(-r - 1.5, 0)}));
  } else if (sample == TLegendSample::Cross) {
    painter.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
    painter.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
  } else {
    painter.drawEllipse(at, r, r);
  }
  painter.restore();
}

}  // namespace orv::diagrams
