#pragma once

#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QStringList>
#include <optional>
#include <utility>

#include "diagrams/plot_area.h"
#include "diagrams/profile_data.h"

class QPainter;

namespace orv::diagrams {

// The line profile drawn into `rect`: ground and wire attachment of every
// support and of its neighbours as it holds them, the spans, each support
// marked by its verdict class, tearing supports standing out, and a legend.
// `selected` (an index, or -1) is drawn highlighted.
void DrawProfile(QPainter& painter, const QRectF& rect, const TProfile& profile, int selected = -1);

// The same profile in two layers, for a view that keeps the lower one while
// only the supports change (their classes, the selection): the frame,
// legend, axes and ground, then the supports, their wires and labels over
// it. Drawn one over the other they give what DrawProfile gives. A view
// repainting part of itself gives that part as `exposed`: the supports drawn
// wholly outside it are left out.
void DrawProfileGround(QPainter& painter, const QRectF& rect, const TProfile& profile);
void DrawProfileSupports(QPainter& painter, const QRectF& rect, const TProfile& profile, int selected,
                         const QRectF& exposed = {});

// What the lower layer depends on: equal keys draw equal layers.
struct TProfileGroundKey {
  QRectF rect;
  TAxisRange x, y;
  QPolygonF ground;
  QStringList texts;
  bool operator==(const TProfileGroundKey& other) const;
};
TProfileGroundKey ProfileGroundKey(const QRectF& rect, const TProfile& profile);

// The columns of pixels, from left to right, outside which the profile drawn
// into `rect` looks the same as `before` and as `after`: where only some
// supports' results, heights or held neighbours changed. Nothing when the
// whole drawing may change (the line, its ground or scale, a support's
// place, number or tearing).
std::optional<std::pair<double, double>> ProfileChangedColumns(const QRectF& rect, const TProfile& before,
                                                               const TProfile& after);

// Where the profile drawn into `rect` puts each support, in pixels from the
// left, in the order of the supports: what a click is matched against.
std::vector<double> ProfileSupportXs(const QRectF& rect, const TProfile& profile);

// The part of the profile drawn into `rect` that moves along the line when
// it is zoomed and scrolled: the plot and the support strip under it. The
// rest (the title above, the elevation axis on the left, the legend below)
// is its frame, which a view keeps in place.
QRectF ProfileScrollingRect(const QRectF& rect, const TProfile& profile);

// The widest profile, in pixels: a line that needs more is drawn scaled to
// fit, its supports closer together.
constexpr int kWidestProfile = 20000;

// The size a file of the profile gets, in pixels: wider for longer lines, up
// to kWidestProfile.
QSize ProfileSize(const TProfile& profile);

}  // namespace orv::diagrams
