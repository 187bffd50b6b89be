#include "diagrams/swing_diagram.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>

#include "diagrams/legend.h"
#include "diagrams/picture_style.h"
#include "diagrams/plot_area.h"

using namespace orv::calc;

namespace orv::diagrams {

namespace {

constexpr double kMaxAddedWeight = 250;  // kg
constexpr double kMargin = 14;
constexpr int kSamples = 240;

const QColor kCurveColor(31, 119, 180);
const QColor kLimitColor(214, 39, 40);
const QColor kBallastColor(230, 126, 0);
const QColor kRecommendedColor(46, 160, 67);

QPen CurvePen() { return QPen(kCurveColor, 2.2); }
QPen LimitPen() { return QPen(kLimitColor, 1.6, Qt::DashLine); }
QPen BallastPen() { return QPen(kBallastColor, 1.6, Qt::DashDotLine); }
QPen OwnSpanPen() { return QPen(QColor(90, 90, 90), 1.4, Qt::SolidLine); }
QPen MinSpanPen() { return QPen(kLimitColor, 1.4, Qt::DotLine); }
QPen MarkerPen() { return QPen(QColor(20, 20, 20), 1.4); }

using TCurve = std::function<double(double)>;

// The added weight from 0 to 250 kg, wider when a load of the calculation
// or the recommended hardware lies outside.
TAxisRange WeightRange(const TSwingDiagram& d) {
  double lo = std::min({0.0, d.FoundWeight, d.LoadAtGoverningAngle});
  double hi = std::max({kMaxAddedWeight, d.FoundWeight * 1.1, d.LoadAtGoverningAngle * 1.1,
                        d.RecommendedWeight.value_or(0) * 1.1});
  return NiceRange(lo < 0 ? lo * 1.1 : 0, hi, 5);
}

// Angles of both panels share one vertical range, up to the largest angle
// either shows.
TAxisRange AngleRange(const TSwingDiagram& d, double weightFrom, double spanFrom) {
  double top = std::max({SwingAngleAtWeight(d.Balance, weightFrom),
                         SwingAngleAtWeightSpan(d.Balance, spanFrom), d.GoverningAngle, d.BallastAngle});
  return NiceRange(0, std::min(top * 1.08 + 1, 180.0), 6);
}

TAxisRange SpanRange(const TSwingDiagram& d) {
  double lo = std::min({0.0, d.WeightSpan, d.MinWeightSpan});
  double hi = std::max({d.WeightSpan, d.MinWeightSpan, 100.0}) * 1.35;
  return NiceRange(lo, hi, 6);
}

QString Degrees(double angle) { return AxisNumber(angle, 1) + "°"; }
QString Kilograms(double kg) { return AxisNumber(kg, 1) + " " + Text("Diagram_kg"); }
QString Metres(double m) { return AxisNumber(m, 1) + " " + Text("Diagram_m"); }

void DrawCurve(QPainter& painter, const TPlotArea& area, const TCurve& angleAt) {
  QPainterPath path;
  const TAxisRange& x = area.X();
  for (int i = 0; i <= kSamples; ++i) {
    double v = x.min + (x.max - x.min) * i / kSamples;
    QPointF p = area.Map(v, angleAt(v));
    if (i == 0)
      path.moveTo(p);
    else
      path.lineTo(p);
  }
  painter.setPen(CurvePen());
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
}

void DrawLevel(QPainter& painter, const TPlotArea& area, double from, double angle, const QPen& pen) {
  painter.setPen(pen);
  painter.drawLine(area.Map(std::max(from, area.X().min), angle), area.Map(area.X().max, angle));
}

void DrawVertical(QPainter& painter, const TPlotArea& area, double x, const QPen& pen) {
  painter.setPen(pen);
  painter.drawLine(area.Map(x, area.Y().min), area.Map(x, area.Y().max));
}

void DrawWeightPanel(QPainter& painter, const TPlotArea& area, const TSwingDiagram& d) {
  DrawAxes(painter, area, Text("Diagram_added_weight_kg"), Text("Diagram_swing_angle_deg"));
  painter.save();
  painter.setClipRect(area.Rect().adjusted(-7, -7, 7, 7));
  painter.setRenderHint(QPainter::Antialiasing);
  DrawLevel(painter, area, area.X().min, d.GoverningAngle, LimitPen());
  if (d.BallastAngle > 0) DrawLevel(painter, area, d.BallastFrom, d.BallastAngle, BallastPen());
  TCurve curve = [&](double g) { return SwingAngleAtWeight(d.Balance, g); };
  DrawCurve(painter, area, curve);
  DrawMarker(painter, TLegendSample::Marker, area.Map(0, curve(0)), MarkerPen(), Qt::white);
  if (d.RecommendedWeight && *d.RecommendedWeight > 0) {
    // A short stroke of the angle that applies to the hardware, under its mark.
    double w = *d.RecommendedWeight, reach = (area.X().max - area.X().min) / 25;
    painter.setPen(QPen(kRecommendedColor, 2));
    painter.drawLine(area.Map(w - reach, d.RecommendedAngle), area.Map(w + reach, d.RecommendedAngle));
    DrawMarker(painter, TLegendSample::Diamond, area.Map(w, curve(w)), MarkerPen(), kRecommendedColor);
  }
  // Over the diamond: the two often lie within a few kilograms.
  if (d.FoundWeight != 0)
    DrawMarker(painter, TLegendSample::Cross, area.Map(d.FoundWeight, d.PermissibleAngle),
               QPen(kLimitColor, 2), Qt::NoBrush);
  painter.restore();
}

void DrawSpanPanel(QPainter& painter, const TPlotArea& area, const TSwingDiagram& d) {
  DrawAxes(painter, area, Text("Diagram_weight_span_m"), Text("Diagram_swing_angle_deg"));
  painter.save();
  painter.setClipRect(area.Rect().adjusted(-7, -7, 7, 7));
  painter.setRenderHint(QPainter::Antialiasing);
  DrawLevel(painter, area, area.X().min, d.GoverningAngle, LimitPen());
  DrawVertical(painter, area, d.WeightSpan, OwnSpanPen());
  DrawVertical(painter, area, d.MinWeightSpan, MinSpanPen());
  TCurve curve = [&](double span) { return SwingAngleAtWeightSpan(d.Balance, span); };
  DrawCurve(painter, area, curve);
  DrawMarker(painter, TLegendSample::Cross, area.Map(d.MinWeightSpan, d.GoverningAngle), QPen(kLimitColor, 2),
             Qt::NoBrush);
  DrawMarker(painter, TLegendSample::Marker, area.Map(d.WeightSpan, curve(d.WeightSpan)), MarkerPen(),
             Qt::white);
  painter.restore();
}

std::vector<TLegendItem> LegendOf(const TSwingDiagram& d) {
  std::vector<TLegendItem> items;
  items.push_back({TLegendSample::Line, CurvePen(), {}, Text("Diagram_swing_curve")});
  items.push_back(
      {TLegendSample::Line,
       LimitPen(),
       {},
       Text(d.MaxWind ? "Diagram_alfa_p" : "Diagram_alfa_ab") + " = " + Degrees(d.GoverningAngle)});
  if (d.BallastAngle > 0)
    items.push_back(
        {TLegendSample::Line, BallastPen(), {}, Text("Diagram_alfa_bal") + " = " + Degrees(d.BallastAngle)});
  items.push_back({TLegendSample::Marker, MarkerPen(), Qt::white,
                   Text("Diagram_as_it_stands") + ": " + Degrees(SwingAngleAtWeight(d.Balance, 0))});
  items.push_back({TLegendSample::Cross,
                   QPen(kLimitColor, 2),
                   {},
                   Text("Diagram_found_weight") + ": " + Kilograms(d.FoundWeight)});
  if (d.RecommendedWeight && *d.RecommendedWeight > 0)
    items.push_back({TLegendSample::Diamond, MarkerPen(), kRecommendedColor,
                     Text("Diagram_recommended") + ": " + Kilograms(*d.RecommendedWeight) + ", " +
                         Degrees(SwingAngleAtWeight(d.Balance, *d.RecommendedWeight)) + " " +
                         Text("Diagram_against") + " " + Degrees(d.RecommendedAngle)});
  items.push_back(
      {TLegendSample::Line, OwnSpanPen(), {}, Text("Diagram_own_span") + ": " + Metres(d.WeightSpan)});
  items.push_back(
      {TLegendSample::Line, MinSpanPen(), {}, Text("Diagram_min_span") + ": " + Metres(d.MinWeightSpan)});
  return items;
}

// Title and verdict; returns the height they take.
double DrawHeading(QPainter& painter, const QRectF& rect, const TSwingDiagram& d) {
  QString title = Text("Diagram_swing_title") + " " + Utf8(d.SupportNumber) + " — " +
                  Text(d.MaxWind ? "Diagram_case_max_wind" : "Diagram_case_reduced_wind");
  painter.setPen(TextPen());
  painter.setFont(TitleFont());
  QRectF titleRect(rect.left(), rect.top(), rect.width(),
                   std::max(24.0, QFontMetricsF(TitleFont()).height()));
  painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   painter.fontMetrics().elidedText(title, Qt::ElideRight, static_cast<int>(rect.width())));
  painter.setFont(LabelFont());
  QRectF verdictRect(rect.left(), titleRect.bottom() + 2, rect.width(),
                     QFontMetricsF(LabelFont()).height() + 2);
  painter.drawText(verdictRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Utf8(d.VerdictText));
  QRectF noteRect(rect.left(), verdictRect.bottom(), rect.width(), 0);
  if (d.Balance.TurnPull != 0) {
    QFont italic = LabelFont();
    italic.setItalic(true);
    painter.setFont(italic);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    QString note = Text("Diagram_turn_note");
    noteRect.setHeight(
        painter.boundingRect(QRectF(noteRect.topLeft(), QSizeF(rect.width(), 200)), flags, note).height());
    painter.drawText(noteRect, flags, note);
  }
  return noteRect.bottom() - rect.top() + 4;
}

void DrawPanelTitle(QPainter& painter, const QRectF& plot, const QString& title) {
  painter.setFont(PanelTitleFont());
  painter.setPen(TextPen());
  const double height = std::max(20.0, QFontMetricsF(painter.font()).height());
  painter.drawText(QRectF(plot.left(), plot.top() - height - 2, plot.width(), height),
                   Qt::AlignHCenter | Qt::AlignVCenter, title);
}

}  // namespace

QSize SwingDiagramSize() { return {1240, 620}; }

void DrawSwingDiagram(QPainter& painter, const QRectF& rect, const TSwingDiagram& d) {
  painter.save();
  painter.fillRect(rect, Qt::white);
  QRectF inner = rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
  double heading = DrawHeading(painter, inner, d);
  std::vector<TLegendItem> legend = LegendOf(d);
  double legendHeight = LegendHeight(legend, inner.width());
  QRectF legendRect(inner.left(), inner.bottom() - legendHeight, inner.width(), legendHeight);
  DrawLegend(painter, legendRect, legend);

  double top = inner.top() + heading + 26;
  double bottom = legendRect.top() - kAxisBottomRoom - 6;
  // Room on the right for the last number of the span axis.
  double panelWidth = (inner.width() - 2 * kAxisLeftRoom - 24 - 20) / 2;
  QRectF left(inner.left() + kAxisLeftRoom, top, panelWidth, bottom - top);
  QRectF right(left.right() + 24 + kAxisLeftRoom, top, panelWidth, bottom - top);
  TAxisRange spans = SpanRange(d);
  TAxisRange weights = WeightRange(d);
  TAxisRange angles = AngleRange(d, weights.min, spans.min);
  DrawPanelTitle(painter, left, Text("Diagram_against_weight"));
  DrawWeightPanel(painter, TPlotArea(left, weights, angles), d);
  DrawPanelTitle(painter, right, Text("Diagram_against_span"));
  DrawSpanPanel(painter, TPlotArea(right, spans, angles), d);
  painter.restore();
}

}  // namespace orv::diagrams
