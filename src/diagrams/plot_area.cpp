#include "diagrams/plot_area.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "diagrams/picture_style.h"

namespace orv::diagrams {

namespace {

// Steps finer than this part of the values' magnitude would no longer change
// a value when added to it, nor show in a label.
constexpr double kFinestStepPart = 1e-9;
constexpr double kFinestStep = 1e-6;

// Far-off points are drawn this many pixels beyond the area, no further.
constexpr double kBeyondArea = 1e5;

double OnCanvas(double pixel, double from, double to) {
  if (std::isnan(pixel)) return from;
  return std::clamp(pixel, from - kBeyondArea, to + kBeyondArea);
}

}  // namespace

double AxisValue(double value) {
  if (std::isnan(value)) return 0;
  return std::clamp(value, -kLargestAxisValue, kLargestAxisValue);
}

TAxisRange NiceRange(double lo, double hi, int ticks) {
  lo = AxisValue(lo);
  hi = AxisValue(hi);
  if (!(hi > lo)) hi = lo + 1;
  double finest = std::max(kFinestStep, std::max(std::fabs(lo), std::fabs(hi)) * kFinestStepPart);
  double raw = std::max((hi - lo) / std::max(ticks, 1), finest);
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
  double part = (AxisValue(x) - x_.min) / (x_.max - x_.min);
  return OnCanvas(rect_.left() + part * rect_.width(), rect_.left(), rect_.right());
}

double TPlotArea::MapY(double y) const {
  double part = (AxisValue(y) - y_.min) / (y_.max - y_.min);
  return OnCanvas(rect_.bottom() - part * rect_.height(), rect_.top(), rect_.bottom());
}

QPointF TPlotArea::Map(double x, double y) const { return {MapX(x), MapY(y)}; }

namespace {

// Ticks stand at whole steps even where the range does not start on one.
double FirstTick(const TAxisRange& r) { return std::ceil(r.min / r.step - 1e-9) * r.step; }

int DecimalsOf(double step) { return step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step))); }

// Calls `draw(value, label)` for every tick of `range`, at most kMostTicks
// of them: counted, so a step too small to change a value cannot stall it.
template <class Draw>
void ForEachTick(const TAxisRange& range, Draw draw) {
  if (!(range.step > 0) || !(range.unit > 0)) return;
  const int decimals = DecimalsOf(range.step / range.unit);
  const double first = FirstTick(range);
  const double count = std::floor((range.max - first) / range.step + 1e-3);
  if (!(count >= 0)) return;
  const int last = static_cast<int>(std::min(count, static_cast<double>(kMostTicks - 1)));
  for (int i = 0; i <= last; ++i) {
    const double v = first + i * range.step;
    draw(v, AxisNumber(v / range.unit, decimals));
  }
}

void DrawTick(QPainter& painter, const QLineF& gridLine, const QRectF& labelBox, Qt::Alignment align,
              const QString& label) {
  painter.setPen(GridPen());
  painter.drawLine(gridLine);
  painter.setPen(TextPen());
  painter.drawText(labelBox, align, label);
}

// Labels are boxed by the font's own measure: a font with a taller face (as
// another system may substitute) is not cut off.
void DrawXTicks(QPainter& painter, const TPlotArea& area) {
  const QRectF& r = area.Rect();
  const QFontMetricsF metrics(painter.font());
  ForEachTick(area.X(), [&](double v, const QString& label) {
    const double px = area.MapX(v);
    const double w = metrics.horizontalAdvance(label) + 8;
    DrawTick(painter, QLineF(px, r.top(), px, r.bottom()),
             QRectF(px - w / 2, r.bottom() + 3, w, metrics.height()), Qt::AlignHCenter | Qt::AlignTop, label);
  });
}

void DrawYTicks(QPainter& painter, const TPlotArea& area) {
  const QRectF& r = area.Rect();
  const QFontMetricsF metrics(painter.font());
  ForEachTick(area.Y(), [&](double v, const QString& label) {
    const double py = area.MapY(v);
    const double w = metrics.horizontalAdvance(label) + 4;
    DrawTick(painter, QLineF(r.left(), py, r.right(), py),
             QRectF(r.left() - 4 - w, py - metrics.height() / 2, w, metrics.height()),
             Qt::AlignRight | Qt::AlignVCenter, label);
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
  const QFontMetricsF metrics(painter.font());
  const double lineHeight = metrics.height();
  const double xTitleTop = r.bottom() + std::max(22.0, lineHeight + 6);
  const double xWidth = std::max(r.width(), metrics.horizontalAdvance(xTitle) + 4);
  painter.drawText(QRectF(r.center().x() - xWidth / 2, xTitleTop, xWidth, lineHeight),
                   Qt::AlignHCenter | Qt::AlignTop, xTitle);
  // The y title reads upward along the left edge.
  painter.translate(r.left() - kAxisLeftRoom + 2, r.center().y());
  painter.rotate(-90);
  const double yWidth = std::max(r.height(), metrics.horizontalAdvance(yTitle) + 4);
  painter.drawText(QRectF(-yWidth / 2, 0, yWidth, lineHeight), Qt::AlignHCenter | Qt::AlignTop, yTitle);
  painter.restore();
}

}  // namespace orv::diagrams
