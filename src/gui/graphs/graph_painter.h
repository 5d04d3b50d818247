// Draws the graph viewer's picture: the plot area with its axes, the range values in
// the margins, the title, the legend, the texts handed over with the curves and every
// shown diagram in its slot's colour; and, over it, the point-reading cursor.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include "core/graphs/graph_scale.h"
#include "core/graphs/viewer_slots.h"

namespace velmar::gui {

// Slot 1 lime, 2 red, 3 yellow, 4 aqua, 5 white (n = 1..5).
QColor slotColour(int n);

// Paints the whole picture for the viewer, scaled as given; kind selects lines or point
// marks and the stems of the discrete spectrum. While kept curves are shown the other
// curves are drawn two pixels wide, the kept ones one.
void paintGraph(QImage& image, const ViewerSlots& viewer, const GraphScale& scale, const PlotArea& area);
// The same on any paint device (an SVG drawing) of the given size.
void paintGraph(QPainter& p, QSize size, const ViewerSlots& viewer, const GraphScale& scale,
                const PlotArea& area);

// Marks point `index` of the slot by lines from both axes and writes its X beside the
// x axis and its Y beside the y axis.
void paintPointCursor(QImage& image, const Slot& slot, int index, const GraphScale& scale,
                      const PlotArea& area);

}  // namespace velmar::gui
