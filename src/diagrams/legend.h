#pragma once

#include <QBrush>
#include <QPen>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace orv::diagrams {

// How a legend entry shows its sample.
enum class TLegendSample { Line, Marker, Diamond, Cross, Swatch };

struct TLegendItem {
  TLegendSample sample = TLegendSample::Line;
  QPen pen;
  QBrush brush;
  QString text;
};

// Entries flow left to right and wrap onto as many rows as `width` needs.
double LegendHeight(const std::vector<TLegendItem>& items, double width);
void DrawLegend(QPainter& painter, const QRectF& rect, const std::vector<TLegendItem>& items);

// The markers the pictures and their legends share, centred on `at`.
void DrawMarker(QPainter& painter, TLegendSample sample, const QPointF& at, const QPen& pen,
                const QBrush& brush);

}  // namespace orv::diagrams
