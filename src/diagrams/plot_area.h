#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace orv::diagrams {

// A range of an axis with a round step between its labelled ticks; the
// labels show each value divided by `unit` (1000 for a distance in km).
struct TAxisRange {
  double min = 0;
  double max = 1;
  double step = 1;
  double unit = 1;
};

// The largest magnitude an axis takes: values beyond it are drawn at it, so
// that every range has steps that change its values and every point a
// finite place.
constexpr double kLargestAxisValue = 1e12;

// The value clamped to ±kLargestAxisValue; NaN gives 0.
double AxisValue(double value);

// The range from lo to hi widened to whole steps of 1, 2 or 5 times a power
// of ten, about `ticks` of them. NaN counts as 0 and magnitudes are clamped
// to kLargestAxisValue; a range too narrow for the precision of its values
// is widened.
TAxisRange NiceRange(double lo, double hi, int ticks);

// The value as an axis or a legend shows it: "." as separator, no trailing
// zeros, at most `decimals` decimals.
QString AxisNumber(double value, int decimals = 1);

// A rectangle of the picture mapped onto two ranges of values. A value far
// outside its range maps to a point a little beyond the rectangle, never to
// an infinite or NaN coordinate.
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
// At most kMostTicks ticks per axis are drawn, whatever the range.
void DrawAxes(QPainter& painter, const TPlotArea& area, const QString& xTitle, const QString& yTitle);

constexpr int kMostTicks = 200;

// The room DrawAxes needs left of and below the area, in pixels.
constexpr double kAxisLeftRoom = 62;
constexpr double kAxisBottomRoom = 44;

}  // namespace orv::diagrams
