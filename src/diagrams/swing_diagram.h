#pragma once

#include <QRectF>
#include <QSize>

#include "diagrams/swing_diagram_data.h"

class QPainter;

namespace orv::diagrams {

// The swing diagram drawn into `rect`: the swing angle against the added
// weight (0 to 250 kg) and, beside it, against the weight span, with the
// permissible angles, the support as it stands and with its recommended
// load, and a legend. The same drawing serves a window, a PNG and an SVG.
void DrawSwingDiagram(QPainter& painter, const QRectF& rect, const TSwingDiagram& diagram);

// The size a file of the diagram gets, in pixels.
QSize SwingDiagramSize();

}  // namespace orv::diagrams
