#pragma once

#include <QRectF>

class QPainter;

namespace toolkit {

// Where a painter's logical pixels fall between the screen's own pixels, as
// at 125 % or 150 %, an edge or a one-pixel line on a whole logical pixel
// covers part of a device pixel and Qt blends it into a grey fringe. These
// move rectangles and line widths onto whole device pixels of the painter's
// device, as Qt's own frames are drawn; at whole ratios they change nothing.

// The rectangle with each edge moved to the nearest device pixel boundary,
// so that boxes meeting in logical pixels still meet.
QRectF onDevicePixels(const QPainter& painter, const QRectF& logical);

// A width of at least one whole device pixel nearest to `logicalPixels`, in
// logical pixels; a tie goes to the thinner line.
double deviceLineWidth(const QPainter& painter, double logicalPixels);

} // namespace toolkit
