#include "diagrams/plot_area.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "diagrams/picture_style.h"

TAxisRange NiceRange(double lo, double hi, int ticks) {
  if (!(hi > lo)) hi = lo + 1;
  double raw = (hi - lo) / std::max(ticks, 1);
  double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = power * 10;
  for (double factor : {1.0, 2.0, 5.0, 10.0}) {
    if (raw <= factor * power) {
      step = factor * power;
      break;
    }
  }
  return {std::floor(lo / step) * step, std::ceil(hi / step) * step, step};
}

QString AxisNumber(double value, int decimals) {
  QString text = QString::number(value, 'f', decimals);
  if (text.contains('.')) {
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith('.')) text.chop(1);
  }
  return text == "-0" ? "0" : text;
}

double TPlotArea::MapX(double x) const {
  return rect_.left() + (x - x_.min) / (x_.max - x_.min) * rect_.width();
}

double TPlotArea::MapY(double y) const {
  return rect_.bottom() - (y - y_.min) / (y_.max - y_.min) * rect_.height();
}

QPointF TPlotArea::Map(double x, double y) const { return {MapX(x), MapY(y)}; }

namespace {

// Ticks stand at whole steps even where the range does not start on one.
double FirstTick(const TAxisRange& r) { return std::ceil(r.min / r.step - 1e-9) * r.step; }

int DecimalsOf(double step) { return step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step))); }

// Calls `draw(value, decimals)` for every tick of `range`.
template <class Draw>
void ForEachTick(const TAxisRange& range, Draw draw) {
  const int decimals = DecimalsOf(range.step);
  for (double v = FirstTick(range); v <= range.max + range.step / 1000; v += range.step) draw(v, decimals);
}

void DrawTick(QPainter& painter, const QLineF& gridLine, const QRectF& labelBox, Qt::Alignment align,
              const QString& label) {
  painter.setPen(GridPen());
  painter.drawLine(gridLine);
  painter.setPen(TextPen());
  painter.drawText(labelBox, align, label);
}

void DrawXTicks(QPainter& painter, const TPlotArea& area) {
  const QRectF& r = area.Rect();
  ForEachTick(area.X(), [&](double v, int decimals) {
    const double px = area.MapX(v);
    DrawTick(painter, QLineF(px, r.top(), px, r.bottom()), QRectF(px - 40, r.bottom() + 3, 80, 16),
             Qt::AlignHCenter | Qt::AlignTop, AxisNumber(v, decimals));
  });
}

void DrawYTicks(QPainter& painter, const TPlotArea& area) {
  const QRectF& r = area.Rect();
  ForEachTick(area.Y(), [&](double v, int decimals) {
    const double py = area.MapY(v);
    DrawTick(painter, QLineF(r.left(), py, r.right(), py), QRectF(r.left() - 44, py - 8, 40, 16),
             Qt::AlignRight | Qt::AlignVCenter, AxisNumber(v, decimals));
  });
}

}  // namespace

void DrawAxes(QPainter& painter, const TPlotArea& area, const QString& xTitle, const QString& yTitle) {
  painter.save();
  painter.setFont(LabelFont());
  DrawXTicks(painter, area);
  DrawYTicks(painter, area);
  const QRectF& r = area.Rect();
  painter.setPen(AxisPen());
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(r);
  painter.setPen(TextPen());
  painter.drawText(QRectF(r.left(), r.bottom() + 22, r.width(), 18), Qt::AlignHCenter | Qt::AlignTop, xTitle);
  // The y title reads upward along the left edge.
  painter.translate(r.left() - kAxisLeftRoom + 2, r.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-r.height() / 2, 0, r.height(), 18), Qt::AlignHCenter | Qt::AlignTop, yTitle);
  painter.restore();
}
