#pragma once

#include <QRectF>
#include <QSize>

#include "diagrams/profile_data.h"

class QPainter;

namespace orv::diagrams {

// The line profile drawn into `rect`: ground and wire attachment of every
// support and of its neighbours as it holds them, the spans, each support
// marked by its verdict class, tearing supports standing out, and a legend.
// `selected` (an index, or -1) is drawn highlighted.
void DrawProfile(QPainter& painter, const QRectF& rect, const TProfile& profile, int selected = -1);

// Where the profile drawn into `rect` puts each support, in pixels from the
// left, in the order of the supports: what a click is matched against.
std::vector<double> ProfileSupportXs(const QRectF& rect, const TProfile& profile);

// The widest profile, in pixels: a line that needs more is drawn scaled to
// fit, its supports closer together.
constexpr int kWidestProfile = 20000;

// The size a file of the profile gets, in pixels: wider for longer lines, up
// to kWidestProfile.
QSize ProfileSize(const TProfile& profile);

}  // namespace orv::diagrams
