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

// Maximum wind in blue, reduced wind in purple: each curve with its limits
// in its own colour, so that a designer sees which case decides.
const QColor kCaseColors[2] = {QColor(31, 119, 180), QColor(148, 52, 160)};
const QColor kLimitColor(214, 39, 40);
const QColor kRecommendedColor(46, 160, 67);

int Index(TSwingCase c) { return c == TSwingCase::MaxWind ? 0 : 1; }
QPen CurvePen(TSwingCase c) { return QPen(kCaseColors[Index(c)], 2.2); }
QPen LimitPen(TSwingCase c) { return QPen(kCaseColors[Index(c)], 1.6, Qt::DashLine); }
QPen BallastPen(TSwingCase c) { return QPen(kCaseColors[Index(c)], 1.6, Qt::DashDotDotLine); }
QPen OwnSpanPen(TSwingCase c) { return QPen(kCaseColors[Index(c)].lighter(140), 1.2, Qt::SolidLine); }
QPen MarkerPen() { return QPen(QColor(20, 20, 20), 1.4); }
QPen CrossPen() { return QPen(kLimitColor, 2); }

using TCurve = std::function<double(double)>;

// The added weight from 0 to 250 kg, wider when a load of the calculation
// or the recommended hardware lies outside.
TAxisRange WeightRange(const TSwingDiagram& d) {
  double lo = std::min(0.0, d.FoundWeight), hi = std::max(kMaxAddedWeight, d.FoundWeight * 1.1);
  for (const TSwingDiagramCase& c : d.Cases) {
    lo = std::min(lo, c.Needed);
    hi = std::max(hi, c.Needed * 1.1);
  }
  hi = std::max(hi, d.RecommendedWeight.value_or(0) * 1.1);
  return NiceRange(lo < 0 ? lo * 1.1 : 0, hi, 5);
}

// Angles of both panels share one vertical range, from the smallest to the
// largest angle either shows: below 0 when a string swings to the other side.
TAxisRange AngleRange(const TSwingDiagram& d, const TAxisRange& weights, const TAxisRange& spans) {
  double top = d.BallastAngle, bottom = 0;
  for (const TSwingDiagramCase& c : d.Cases) {
    for (double a : {SwingAngleAtWeight(c.Balance, weights.min), SwingAngleAtWeight(c.Balance, weights.max),
                     SwingAngleAtWeightSpan(c.Balance, spans.min), SwingAngleAtWeightSpan(c.Balance, spans.max),
                     c.OwnAngle}) {
      top = std::max(top, a);
      bottom = std::min(bottom, a);
    }
  }
  return NiceRange(std::max(bottom * 1.08 - (bottom < 0 ? 1 : 0), -180.0), std::min(top * 1.08 + 1, 180.0), 6);
}

// A negative smallest weight span limits nothing and is not drawn: the axis
// would reach where the strings stand past 90° and squeeze the rest.
TAxisRange SpanRange(const TSwingDiagram& d) {
  double lo = 0, hi = 100;
  for (const TSwingDiagramCase& c : d.Cases) {
    lo = std::min(lo, c.WeightSpan);
    hi = std::max({hi, c.WeightSpan, c.MinWeightSpan});
  }
  return NiceRange(lo, hi * 1.35, 6);
}

QString Degrees(double angle) { return AxisNumber(angle, 1) + "°"; }
QString Kilograms(double kg) { return AxisNumber(kg, 1) + " " + Text("Diagram_kg"); }
QString Metres(double m) { return AxisNumber(m, 1) + " " + Text("Diagram_m"); }

void DrawCurve(QPainter& painter, const TPlotArea& area, const TCurve& angleAt, const QPen& pen) {
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
  painter.setPen(pen);
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

// The limits of one case: its own angle, and the ballast angle when it
// belongs to this case, from the weight at which a ballast is hung.
void DrawLimits(QPainter& painter, const TPlotArea& area, const TSwingDiagram& d, const TSwingDiagramCase& c,
                bool withBallast) {
  DrawLevel(painter, area, area.X().min, c.OwnAngle, LimitPen(c.Case));
  if (withBallast && c.OwnsBallastAngle && d.BallastAngle > 0)
    DrawLevel(painter, area, d.BallastFrom, d.BallastAngle, BallastPen(c.Case));
}

void DrawWeightPanel(QPainter& painter, const TPlotArea& area, const TSwingDiagram& d) {
  DrawAxes(painter, area, Text("Diagram_added_weight_kg"), Text("Diagram_swing_angle_deg"));
  painter.save();
  painter.setClipRect(area.Rect().adjusted(-7, -7, 7, 7));
  painter.setRenderHint(QPainter::Antialiasing);
  for (const TSwingDiagramCase& c : d.Cases) {
    DrawLimits(painter, area, d, c, true);
    TCurve curve = [&](double g) { return SwingAngleAtWeight(c.Balance, g); };
    DrawCurve(painter, area, curve, CurvePen(c.Case));
    DrawMarker(painter, TLegendSample::Marker, area.Map(0, curve(0)), MarkerPen(), Qt::white);
    if (d.RecommendedWeight && *d.RecommendedWeight > 0)
      DrawMarker(painter, TLegendSample::Diamond, area.Map(*d.RecommendedWeight, curve(*d.RecommendedWeight)),
                 MarkerPen(), kRecommendedColor);
    // Over the diamond: the two often lie within a few kilograms.
    if (c.Needed > 0)
      DrawMarker(painter, TLegendSample::Cross, area.Map(c.Needed, c.NeededAngle), CrossPen(), Qt::NoBrush);
  }
  painter.restore();
}

void DrawSpanPanel(QPainter& painter, const TPlotArea& area, const TSwingDiagram& d) {
  DrawAxes(painter, area, Text("Diagram_weight_span_m"), Text("Diagram_swing_angle_deg"));
  painter.save();
  painter.setClipRect(area.Rect().adjusted(-7, -7, 7, 7));
  painter.setRenderHint(QPainter::Antialiasing);
  for (const TSwingDiagramCase& c : d.Cases) {
    DrawLimits(painter, area, d, c, false);
    DrawVertical(painter, area, c.WeightSpan, OwnSpanPen(c.Case));
    TCurve curve = [&](double span) { return SwingAngleAtWeightSpan(c.Balance, span); };
    DrawCurve(painter, area, curve, CurvePen(c.Case));
    if (c.MinWeightSpan >= 0)
      DrawMarker(painter, TLegendSample::Cross, area.Map(c.MinWeightSpan, c.OwnAngle), CrossPen(), Qt::NoBrush);
    DrawMarker(painter, TLegendSample::Marker, area.Map(c.WeightSpan, curve(c.WeightSpan)), MarkerPen(),
               Qt::white);
  }
  painter.restore();
}

QString CaseName(TSwingCase c) { return Text(c == TSwingCase::MaxWind ? "Diagram_max_wind" : "Diagram_reduced_wind"); }

// One case's entries: its curve with the angle the support stands at, its
// limit, the ballast angle where it belongs, and the swing the recommended
// hardware leaves against the limit with that hardware.
void AddCaseLegend(std::vector<TLegendItem>& items, const TSwingDiagram& d, const TSwingDiagramCase& c) {
  QString curve = CaseName(c.Case) + (c.Case == d.Governing ? " (" + Text("Diagram_governs") + ")" : "") + ": " +
                  Text("Diagram_stands_at") + " " + Degrees(SwingAngleAtWeight(c.Balance, 0));
  if (c.HardwareAngle && d.RecommendedWeight && *d.RecommendedWeight > 0)
    curve += ", " + Text("Diagram_with_hardware") + " " + Degrees(*c.HardwareAngle) + " " + Text("Diagram_against") +
             " " + Degrees(c.HardwareLimit);
  items.push_back({TLegendSample::Line, CurvePen(c.Case), {}, curve});
  items.push_back({TLegendSample::Line, LimitPen(c.Case), {},
                   Text(c.Case == TSwingCase::MaxWind ? "Diagram_alfa_p" : "Diagram_alfa_ab") + " = " +
                       Degrees(c.OwnAngle)});
  if (c.OwnsBallastAngle && d.BallastAngle > 0)
    items.push_back(
        {TLegendSample::Line, BallastPen(c.Case), {}, Text("Diagram_alfa_bal") + " = " + Degrees(d.BallastAngle)});
}

std::vector<TLegendItem> LegendOf(const TSwingDiagram& d) {
  std::vector<TLegendItem> items;
  for (const TSwingDiagramCase& c : d.Cases) AddCaseLegend(items, d, c);
  items.push_back({TLegendSample::Marker, MarkerPen(), Qt::white, Text("Diagram_as_it_stands")});
  items.push_back({TLegendSample::Cross, CrossPen(), {}, Text("Diagram_found_weight") + ": " + Kilograms(d.FoundWeight)});
  if (d.RecommendedWeight && *d.RecommendedWeight > 0)
    items.push_back({TLegendSample::Diamond, MarkerPen(), kRecommendedColor,
                     Text("Diagram_recommended") + ": " + Kilograms(*d.RecommendedWeight)});
  const TSwingDiagramCase& g = d.Cases[Index(d.Governing)];
  items.push_back({TLegendSample::Line, OwnSpanPen(g.Case), {}, Text("Diagram_own_span") + ": " + Metres(g.WeightSpan)});
  items.push_back({TLegendSample::Cross, CrossPen(), {},
                   Text("Diagram_min_span") + ": " +
                       (g.MinWeightSpan < 0 ? Text("Results_not_limiting") : Metres(g.MinWeightSpan))});
  return items;
}

// Whether any curve shows a string swung to the other side.
bool ShowsNegativeAngles(const TAxisRange& angles) { return angles.min < 0; }

// Title and verdict; returns the height they take.
double DrawHeading(QPainter& painter, const QRectF& rect, const TSwingDiagram& d, bool negative) {
  QString title = Text("Diagram_swing_title") + " " + Utf8(d.SupportNumber) + " — " +
                  Text(d.Governing == TSwingCase::MaxWind ? "Diagram_case_max_wind" : "Diagram_case_reduced_wind");
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
  if (d.Cases[0].Balance.TurnPull != 0 || negative) {
    QFont italic = LabelFont();
    italic.setItalic(true);
    painter.setFont(italic);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    QString note = d.Cases[0].Balance.TurnPull != 0 ? Text("Diagram_turn_note") : QString();
    if (negative) note += (note.isEmpty() ? "" : " ") + Text("Diagram_negative_note");
    noteRect.setHeight(
        painter.boundingRect(QRectF(noteRect.topLeft(), QSizeF(rect.width(), 200)), flags, note).height());
    painter.drawText(noteRect, flags, note);
  }
  return noteRect.bottom() - rect.top() + 4;
}

// Centred over its plot; on a narrow picture it may take the room of the
// angle axis too, and then a smaller font, rather than lose its first and
// last letters.
void DrawPanelTitle(QPainter& painter, const QRectF& plot, const QString& title) {
  QFont font = PanelTitleFont();
  const double height = std::max(20.0, QFontMetricsF(font).height());
  QRectF room(plot.left(), plot.top() - height - 2, plot.width(), height);
  if (QFontMetricsF(font).horizontalAdvance(title) > room.width()) room.setLeft(plot.left() - kAxisLeftRoom);
  while (QFontMetricsF(font).horizontalAdvance(title) > room.width() && font.pixelSize() > 8)
    font.setPixelSize(font.pixelSize() - 1);
  painter.setFont(font);
  painter.setPen(TextPen());
  painter.drawText(room, Qt::AlignHCenter | Qt::AlignVCenter,
                   painter.fontMetrics().elidedText(title, Qt::ElideRight, static_cast<int>(room.width())));
}

}  // namespace

QSize SwingDiagramSize() { return {1240, 620}; }

void DrawSwingDiagram(QPainter& painter, const QRectF& rect, const TSwingDiagram& d) {
  painter.save();
  painter.fillRect(rect, Qt::white);
  QRectF inner = rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
  TAxisRange spans = SpanRange(d);
  TAxisRange weights = WeightRange(d);
  TAxisRange angles = AngleRange(d, weights, spans);
  double heading = DrawHeading(painter, inner, d, ShowsNegativeAngles(angles));
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
  DrawPanelTitle(painter, left, Text("Diagram_against_weight"));
  DrawWeightPanel(painter, TPlotArea(left, weights, angles), d);
  DrawPanelTitle(painter, right, Text("Diagram_against_span"));
  DrawSpanPanel(painter, TPlotArea(right, spans, angles), d);
  painter.restore();
}

}  // namespace orv::diagrams
