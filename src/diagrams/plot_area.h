#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

// A range of an axis with a round step between its labelled ticks.
struct TAxisRange {
  double min = 0;
  double max = 1;
  double step = 1;
};

// The range from lo to hi widened to whole steps of 1, 2 or 5 times a power
// of ten, about `ticks` of them.
TAxisRange NiceRange(double lo, double hi, int ticks);

// The value as an axis or a legend shows it: "." as separator, no trailing
// zeros, at most `decimals` decimals.
QString AxisNumber(double value, int decimals = 1);

// A rectangle of the picture mapped onto two ranges of values.
class TPlotArea {
 public:
  TPlotArea(const QRectF& rect, const TAxisRange& x, const TAxisRange& y) : rect_(rect), x_(x), y_(y) {}
  const QRectF& Rect() const { return rect_; }
  const TAxisRange& X() const { return x_; }
  const TAxisRange& Y() const { return y_; }
  QPointF Map(double x, double y) const;
  double MapX(double x) const;
  double MapY(double y) const;

 private:
  QRectF rect_;
  TAxisRange x_, y_;
};

// Grid, ticks with their numbers, and the two axis titles outside the area.
void DrawAxes(QPainter& painter, const TPlotArea& area, const QString& xTitle, const QString& yTitle);

// The room DrawAxes needs left of and below the area, in pixels.
constexpr double kAxisLeftRoom = 62;
constexpr double kAxisBottomRoom = 44;
