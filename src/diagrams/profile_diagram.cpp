#include "diagrams/profile_diagram.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "diagrams/legend.h"
#include "diagrams/picture_style.h"
#include "diagrams/plot_area.h"

using namespace orv::calc;

namespace orv::diagrams {

namespace {

constexpr double kMargin = 14;
constexpr double kHeadingHeight = 30;
constexpr double kStripHeight = 46;  // verdict markers and support numbers below the plot

const QColor kGroundColor(150, 110, 70);
const QColor kWireColor(31, 119, 180);
const QColor kTearingColor(210, 30, 30);

QPen GroundPen() { return QPen(kGroundColor, 1.8); }
QPen SupportPen() { return QPen(QColor(60, 60, 60), 3); }
QPen WirePen() { return QPen(kWireColor, 1.4); }
QPen HeldPen() { return QPen(QColor(110, 110, 110), 1.2); }

// Distance range wide enough for the neighbours the first and last supports
// hold; level range from the lowest ground to the highest attachment.
TPlotArea AreaOf(const QRectF& plot, const TProfile& p) {
  double lo = 0, hi = 1, low = 1e300, high = -1e300;
  for (const TProfileSupport& s : p.Supports) {
    lo = std::min(lo, s.Position - std::max(s.SpanLeft, 0.0));
    hi = std::max(hi, s.Position + std::max(s.SpanRight, 0.0));
    low = std::min({low, s.GroundLeft, s.GroundThis, s.GroundRight});
    high = std::max(
        {high, s.GroundLeft + s.HeightLeft, s.GroundThis + s.HeightThis, s.GroundRight + s.HeightRight});
  }
  if (p.Supports.empty()) low = 0, high = 10;
  lo = AxisValue(lo), hi = AxisValue(hi), low = AxisValue(low), high = AxisValue(high);
  double pad = (hi - lo) * 0.02;
  TAxisRange x{lo - pad, hi + pad, NiceRange(lo, hi, 10).step};
  return TPlotArea(plot, x, NiceRange(low - (high - low) * 0.08, high + (high - low) * 0.12, 6));
}

QRectF PlotRectOf(const QRectF& rect, double legendHeight) {
  QRectF inner = rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
  double top = inner.top() + kHeadingHeight;
  double bottom = inner.bottom() - legendHeight - kAxisBottomRoom - kStripHeight;
  return QRectF(inner.left() + kAxisLeftRoom, top, inner.width() - kAxisLeftRoom, bottom - top);
}

// Beyond this length the distance axis counts in km.
constexpr double kLengthInMetres = 5000;

bool InKilometres(const TPlotArea& area) { return area.X().max - area.X().min > kLengthInMetres; }

// Ticks of the distance axis at round steps from the line's start, in km on
// a long line.
TPlotArea TickedArea(const TPlotArea& area) {
  TAxisRange x = area.X();
  const double unit = InKilometres(area) ? 1000 : 1;
  TAxisRange ticks =
      NiceRange(x.min / unit, x.max / unit, std::max(4, static_cast<int>(area.Rect().width() / 110)));
  return TPlotArea(area.Rect(), {x.min, x.max, ticks.step * unit, unit}, area.Y());
}

// Where several points of the line fall into one column of pixels, the
// column keeps its first, lowest, highest and last point: the same picture,
// drawn in a fraction of the time on a line of thousands of supports.
QPolygonF ThinnedToColumns(const QPolygonF& line) {
  QPolygonF thinned;
  qsizetype i = 0;
  while (i < line.size()) {
    const double column = std::floor(line[i].x());
    qsizetype end = i + 1;
    while (end < line.size() && std::floor(line[end].x()) == column) ++end;
    if (end - i <= 4) {
      for (qsizetype k = i; k < end; ++k) thinned << line[k];
    } else {
      const auto [low, high] = std::minmax_element(line.begin() + i, line.begin() + end,
                                                   [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
      const bool lowFirst = low < high;
      thinned << line[i] << (lowFirst ? *low : *high) << (lowFirst ? *high : *low) << line[end - 1];
    }
    i = end;
  }
  return thinned;
}

QPolygonF GroundLine(const TPlotArea& area, const TProfile& p) {
  QPolygonF line;
  const TProfileSupport& first = p.Supports.front();
  const TProfileSupport& last = p.Supports.back();
  line << area.Map(first.Position - first.SpanLeft, first.GroundLeft);
  for (const TProfileSupport& s : p.Supports) line << area.Map(s.Position, s.GroundThis);
  line << area.Map(last.Position + last.SpanRight, last.GroundRight);
  return ThinnedToColumns(line);
}

// Pixels per support along the line: where the rings of the held neighbours
// (12 pixels across) would cover one another they tell nothing, and where
// the supports stand closer than a few pixels smoothing their edges only
// costs time.
double SupportPitch(const TPlotArea& area, const TProfile& p) {
  return area.Rect().width() / static_cast<double>(std::max<std::size_t>(p.Supports.size(), 1));
}
constexpr double kHeldRingPitch = 12;
// Closer than this, supports are thinned out: drawn all, a line of a
// thousand supports seen whole is one solid band.
constexpr double kThinPitch = 4;
constexpr double kMarkerPitch = 12;
constexpr double kSmoothPitch = 4;

void DrawGround(QPainter& painter, const TPlotArea& area, const QPolygonF& line) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(236, 224, 205));
  // Without smoothing, pieces of the area under the line tile it exactly,
  // and the raster engine fills many narrow pieces far faster than one
  // polygon of thousands of corners.
  const qsizetype piece = painter.testRenderHint(QPainter::Antialiasing) ? line.size() : 64;
  for (qsizetype from = 0; from + 1 < line.size(); from += piece) {
    QPolygonF fill = line.mid(from, piece + 1);
    fill << QPointF(fill.back().x(), area.Rect().bottom()) << QPointF(fill.front().x(), area.Rect().bottom());
    painter.drawPolygon(fill);
  }
  // Segment by segment: one long wide polyline of thousands of joins takes
  // the raster engine many times as long.
  QVector<QLineF> segments;
  for (qsizetype i = 1; i < line.size(); ++i) segments.append(QLineF(line[i - 1], line[i]));
  painter.setPen(GroundPen());
  painter.drawLines(segments);
}

// The columns of pixels a drawing reaches into: what lies wholly outside
// them is left out, which leaves the pixels inside as they would be.
struct TShownColumns {
  double left = -std::numeric_limits<double>::infinity();
  double right = std::numeric_limits<double>::infinity();
  // A place that is not a number is drawn: it may land anywhere.
  bool Meets(double from, double to) const { return !(to < left || from > right); }
};

QPointF Attachment(const TPlotArea& area, double x, double ground, double height) {
  return area.Map(x, ground + height);
}

void DrawWires(QPainter& painter, const TPlotArea& area, const TProfile& p, const TShownColumns& shown) {
  painter.setPen(WirePen());
  for (size_t i = 1; i < p.Supports.size(); ++i) {
    const TProfileSupport& a = p.Supports[i - 1];
    const TProfileSupport& b = p.Supports[i];
    const double xa = area.MapX(a.Position), xb = area.MapX(b.Position);
    if (!shown.Meets(std::min(xa, xb) - 3, std::max(xa, xb) + 3)) continue;
    painter.drawLine(Attachment(area, a.Position, a.GroundThis, a.HeightThis),
                     Attachment(area, b.Position, b.GroundThis, b.HeightThis));
  }
}

// The neighbours as this support holds them: hollow rings at their
// attachment and ticks at their ground; they sit on the drawn neighbours
// when the data agree.
void DrawHeldNeighbours(QPainter& painter, const TPlotArea& area, const TProfileSupport& s,
                        const TShownColumns& shown) {
  painter.setPen(HeldPen());
  painter.setBrush(Qt::NoBrush);
  for (int side : {-1, 1}) {
    double span = side < 0 ? s.SpanLeft : s.SpanRight;
    double ground = side < 0 ? s.GroundLeft : s.GroundRight;
    double height = side < 0 ? s.HeightLeft : s.HeightRight;
    double x = s.Position + side * span;
    if (!shown.Meets(area.MapX(x) - 10, area.MapX(x) + 10)) continue;
    painter.drawEllipse(Attachment(area, x, ground, height), 6, 6);
    QPointF g = area.Map(x, ground);
    painter.drawLine(g + QPointF(-5, 0), g + QPointF(5, 0));
    painter.drawLine(g, Attachment(area, x, ground, height));
  }
}

void DrawSupport(QPainter& painter, const TPlotArea& area, const TProfileSupport& s, bool selected) {
  QPointF foot = area.Map(s.Position, s.GroundThis);
  QPointF top = Attachment(area, s.Position, s.GroundThis, s.HeightThis);
  if (s.Tearing || selected) {
    QColor band = s.Tearing ? QColor(kTearingColor.red(), kTearingColor.green(), kTearingColor.blue(), 40)
                            : QColor(31, 119, 180, 35);
    painter.fillRect(QRectF(foot.x() - 11, area.Rect().top(), 22, area.Rect().height()), band);
  }
  painter.setPen(s.Tearing ? QPen(kTearingColor, 3.5) : SupportPen());
  painter.drawLine(foot, top);
  DrawMarker(painter, TLegendSample::Marker, top, QPen(Qt::black, 1.2), VerdictColor(s.Class));
  if (s.Tearing) {
    // An arrow pointing up: the wire lifts the attachment.
    painter.setPen(QPen(kTearingColor, 2.5));
    painter.drawLine(top + QPointF(0, -9), top + QPointF(0, -30));
    painter.drawLine(top + QPointF(0, -30), top + QPointF(-6, -22));
    painter.drawLine(top + QPointF(0, -30), top + QPointF(6, -22));
  }
}

// Which supports are drawn: all where they are `pitch` pixels apart; on a
// denser line one in each column of `pitch` pixels, the one that most needs
// seeing (the selected one, then the worst verdict class, tearing above its
// class).
std::vector<bool> DrawnSupports(const TPlotArea& area, const TProfile& p, int selected, double pitch) {
  std::vector<bool> drawn(p.Supports.size(), true);
  if (SupportPitch(area, p) >= pitch) return drawn;
  const auto weight = [&](std::size_t i) {
    if (static_cast<int>(i) == selected) return 1000;
    return static_cast<int>(p.Supports[i].Class) * 2 + (p.Supports[i].Tearing ? 1 : 0);
  };
  std::size_t first = 0;
  while (first < p.Supports.size()) {
    const double column = std::floor(area.MapX(p.Supports[first].Position) / pitch);
    std::size_t best = first;
    std::size_t end = first;
    for (; end < p.Supports.size() && std::floor(area.MapX(p.Supports[end].Position) / pitch) == column;
         ++end) {
      drawn[end] = false;
      if (weight(end) > weight(best)) best = end;
    }
    if (end == first) ++end;  // a support out of order along the line
    drawn[best] = true;
    first = end;
  }
  return drawn;
}

// Whether labels of `width` pixels fit between supports `gap` pixels apart.
bool Fits(double gap, double width) { return gap > width + 6; }

void DrawSpanLabels(QPainter& painter, const TPlotArea& area, const TProfile& p, const TShownColumns& shown) {
  painter.setFont(LabelFont());
  QFontMetricsF metrics(painter.font());
  painter.setPen(TextPen());
  for (size_t i = 1; i < p.Supports.size(); ++i) {
    double a = area.MapX(p.Supports[i - 1].Position), b = area.MapX(p.Supports[i].Position);
    // Too narrow for any label: most spans of a long line seen whole.
    if (!Fits(b - a, 0) || !shown.Meets(a - 4, b + 4)) continue;
    QString label =
        AxisNumber(p.Supports[i].Position - p.Supports[i - 1].Position, 1) + " " + Text("Diagram_m");
    if (!Fits(b - a, metrics.horizontalAdvance(label))) continue;
    painter.drawText(QRectF(a, area.Rect().bottom() - metrics.height() - 2, b - a, metrics.height()),
                     Qt::AlignCenter, label);
  }
}

// Below the plot: a verdict marker and the number of every support; numbers
// are thinned out when the line is too dense for all of them.
void DrawStrip(QPainter& painter, const TPlotArea& area, const TProfile& p, int selected,
               const TShownColumns& shown, const std::vector<bool>& drawn) {
  painter.setFont(LabelFont());
  QFontMetricsF metrics(painter.font());
  double y = area.Rect().bottom() + kAxisBottomRoom;
  double lastLabelRight = -1e300;
  // Plain and bold, made once: a line has thousands of numbers.
  QFont fonts[2] = {LabelFont(), LabelFont()};
  fonts[1].setBold(true);
  const QFontMetricsF fontMetrics[2] = {QFontMetricsF(fonts[0]), QFontMetricsF(fonts[1])};
  for (size_t i = 0; i < p.Supports.size(); ++i) {
    const TProfileSupport& s = p.Supports[i];
    double x = area.MapX(s.Position);
    if (!drawn[i]) continue;
    QRectF box(x - 8, y + 4, 16, 14);
    if (shown.Meets(x - 12, x + 12)) {
      painter.setPen(QPen(Qt::black, static_cast<int>(i) == selected ? 2.5 : 1));
      painter.setBrush(VerdictColor(s.Class));
      painter.drawRoundedRect(box, 3, 3);
    }
    QString number = Utf8(s.Number);
    const int bold = s.Tearing || static_cast<int>(i) == selected ? 1 : 0;
    const QFont& font = fonts[bold];
    const QFontMetricsF& numberMetrics = fontMetrics[bold];
    double w = numberMetrics.horizontalAdvance(number);
    if (x - w / 2 < lastLabelRight + 6) continue;
    // Numbers out of sight still thin out those after them.
    lastLabelRight = x + w / 2;
    if (!shown.Meets(x - w / 2 - 8, x + w / 2 + 8)) continue;
    painter.setFont(font);
    painter.setPen(s.Tearing ? QPen(kTearingColor) : TextPen());
    painter.drawText(QRectF(x - w / 2 - 4, y + 20, w + 8, numberMetrics.height()), Qt::AlignCenter, number);
  }
}

std::vector<TLegendItem> LegendOf() {
  std::vector<TLegendItem> items;
  items.push_back({TLegendSample::Line, GroundPen(), {}, Text("Diagram_ground")});
  items.push_back({TLegendSample::Line, WirePen(), {}, Text("Diagram_attachment")});
  items.push_back({TLegendSample::Marker, HeldPen(), Qt::NoBrush, Text("Diagram_neighbours_held")});
  for (TVerdictClass c : {TVerdictClass::NothingNeeded, TVerdictClass::Dampers, TVerdictClass::Ballast,
                          TVerdictClass::OverLimit, TVerdictClass::Tearing, TVerdictClass::DataError})
    items.push_back({TLegendSample::Swatch, QPen(Qt::black), VerdictColor(c), Text(VerdictClassKey(c))});
  return items;
}

}  // namespace

QSize ProfileSize(const TProfile& profile) {
  const double wide = 110.0 * static_cast<double>(profile.Supports.size()) + 160;
  return {static_cast<int>(std::clamp(wide, 1000.0, static_cast<double>(kWidestProfile))), 600};
}

std::vector<double> ProfileSupportXs(const QRectF& rect, const TProfile& profile) {
  TPlotArea area = AreaOf(PlotRectOf(rect, LegendHeight(LegendOf(), rect.width() - 2 * kMargin)), profile);
  std::vector<double> xs;
  for (const TProfileSupport& s : profile.Supports) xs.push_back(area.MapX(s.Position));
  return xs;
}

namespace {

// The plot area of the profile drawn into `rect`, its distance axis ticked.
TPlotArea TickedAreaOf(const QRectF& rect, const TProfile& profile) {
  const double legendHeight =
      LegendHeight(LegendOf(), rect.adjusted(kMargin, kMargin, -kMargin, -kMargin).width());
  return TickedArea(AreaOf(PlotRectOf(rect, legendHeight), profile));
}

}  // namespace

bool TProfileGroundKey::operator==(const TProfileGroundKey& other) const {
  const auto same = [](const TAxisRange& a, const TAxisRange& b) {
    return a.min == b.min && a.max == b.max && a.step == b.step && a.unit == b.unit;
  };
  return rect == other.rect && same(x, other.x) && same(y, other.y) && ground == other.ground &&
         texts == other.texts;
}

TProfileGroundKey ProfileGroundKey(const QRectF& rect, const TProfile& profile) {
  TProfileGroundKey key;
  key.rect = rect;
  const TPlotArea area = TickedAreaOf(rect, profile);
  key.x = area.X();
  key.y = area.Y();
  if (!profile.Supports.empty()) key.ground = GroundLine(area, profile);
  key.texts << Text("Diagram_profile_title") << Text("Diagram_distance_km") << Text("Diagram_distance_m")
            << Text("Diagram_level_m");
  for (const TLegendItem& item : LegendOf()) key.texts << item.text;
  return key;
}

std::optional<std::pair<double, double>> ProfileChangedColumns(const QRectF& rect, const TProfile& before,
                                                               const TProfile& after) {
  const std::vector<TProfileSupport>& was = before.Supports;
  const std::vector<TProfileSupport>& is = after.Supports;
  if (was.size() != is.size() || !(ProfileGroundKey(rect, before) == ProfileGroundKey(rect, after)))
    return std::nullopt;
  const TPlotArea area = TickedAreaOf(rect, after);
  double left = std::numeric_limits<double>::infinity(), right = -left;
  const auto reach = [&](double from, double to) {
    left = std::min(left, from);
    right = std::max(right, to);
  };
  for (std::size_t i = 0; i < is.size(); ++i) {
    if (was[i] == is[i]) continue;
    // A support moved along the line, or a number or its weight changed,
    // can change which numbers the strip has room for anywhere after it.
    if (was[i].Position != is[i].Position || was[i].Number != is[i].Number || was[i].Tearing != is[i].Tearing)
      return std::nullopt;
    // On a thinned line a class decides which support of its column is drawn.
    if (SupportPitch(area, after) < kMarkerPitch) return std::nullopt;
    const double x = area.MapX(is[i].Position);
    const double previous = i > 0 ? area.MapX(is[i - 1].Position) : x;
    const double next = i + 1 < is.size() ? area.MapX(is[i + 1].Position) : x;
    reach(std::min(previous, x) - 16, std::max(next, x) + 16);
    for (const TProfileSupport* s : {&was[i], &is[i]}) {
      reach(area.MapX(s->Position - s->SpanLeft) - 12, area.MapX(s->Position - s->SpanLeft) + 12);
      reach(area.MapX(s->Position + s->SpanRight) - 12, area.MapX(s->Position + s->SpanRight) + 12);
    }
  }
  if (!(left <= right)) return std::nullopt;
  return std::make_pair(left, right);
}

QRectF ProfileScrollingRect(const QRectF& rect, const TProfile& profile) {
  const QRectF inner = rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
  const double legendTop = inner.bottom() - LegendHeight(LegendOf(), inner.width());
  const QRectF plot = TickedAreaOf(rect, profile).Rect();
  return QRectF(plot.left(), plot.top(), rect.right() - plot.left(), legendTop - plot.top());
}

void DrawProfileGround(QPainter& painter, const QRectF& rect, const TProfile& profile) {
  painter.save();
  painter.fillRect(rect, Qt::white);
  std::vector<TLegendItem> legend = LegendOf();
  QRectF inner = rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
  double legendHeight = LegendHeight(legend, inner.width());
  DrawLegend(painter, QRectF(inner.left(), inner.bottom() - legendHeight, inner.width(), legendHeight),
             legend);
  painter.setFont(TitleFont());
  painter.setPen(TextPen());
  painter.drawText(
      QRectF(inner.left(), inner.top(), inner.width(), std::max(24.0, QFontMetricsF(TitleFont()).height())),
      Qt::AlignLeft | Qt::AlignVCenter, Text("Diagram_profile_title"));
  TPlotArea area = TickedArea(AreaOf(PlotRectOf(rect, legendHeight), profile));
  DrawAxes(painter, area, Text(InKilometres(area) ? "Diagram_distance_km" : "Diagram_distance_m"),
           Text("Diagram_level_m"));
  if (!profile.Supports.empty()) {
    painter.save();
    painter.setClipRect(area.Rect());
    painter.setRenderHint(QPainter::Antialiasing, SupportPitch(area, profile) >= kSmoothPitch);
    DrawGround(painter, area, GroundLine(area, profile));
    painter.restore();
  }
  painter.restore();
}

void DrawProfileSupports(QPainter& painter, const QRectF& rect, const TProfile& profile, int selected,
                         const QRectF& exposed) {
  if (profile.Supports.empty()) return;
  TShownColumns shown;
  if (!exposed.isNull()) shown = {exposed.left(), exposed.right()};
  painter.save();
  TPlotArea area = TickedAreaOf(rect, profile);
  painter.save();
  painter.setClipRect(area.Rect());
  painter.setRenderHint(QPainter::Antialiasing);
  DrawWires(painter, area, profile, shown);
  const double pitch = SupportPitch(area, profile);
  if (pitch >= kHeldRingPitch)
    for (const TProfileSupport& s : profile.Supports) DrawHeldNeighbours(painter, area, s, shown);
  painter.setRenderHint(QPainter::Antialiasing, pitch >= kSmoothPitch);
  const std::vector<bool> drawn = DrawnSupports(area, profile, selected, kThinPitch);
  for (size_t i = 0; i < profile.Supports.size(); ++i) {
    const double x = area.MapX(profile.Supports[i].Position);
    if (drawn[i] && shown.Meets(x - 14, x + 14))
      DrawSupport(painter, area, profile.Supports[i], static_cast<int>(i) == selected);
  }
  DrawSpanLabels(painter, area, profile, shown);
  painter.restore();
  // The strip's markers are wider than a support: they thin out sooner.
  DrawStrip(painter, area, profile, selected, shown, DrawnSupports(area, profile, selected, kMarkerPitch));
  painter.restore();
}

void DrawProfile(QPainter& painter, const QRectF& rect, const TProfile& profile, int selected) {
  DrawProfileGround(painter, rect, profile);
  DrawProfileSupports(painter, rect, profile, selected);
}

}  // namespace orv::diagrams
