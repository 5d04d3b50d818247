// Draws the graph viewer's picture: the plot area with its axes, the range values in
// the margins, the title, the legend, the texts handed over with the curves and every
// shown diagram in its slot's colour; and, over it, the point-reading cursor. On the
// screen the graph is light on black; printed (and exported) it is dark on white, as
// the printed scheme is.
#pragma once

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <array>

#include "core/graphs/graph_scale.h"
#include "core/graphs/viewer_slots.h"

namespace velmar::gui {

struct GraphColours {
    QColor background, frame, axis, text, cursor;
    std::array<QColor, kSlotCount> curves;  // slots 1..5
};
const GraphColours& screenColours();
const GraphColours& printColours();

// Slot 1 lime, 2 red, 3 yellow, 4 aqua, 5 white (n = 1..5): the screen's colours.
QColor slotColour(int n);

// Paints the whole picture for the viewer, scaled as given; kind selects lines or point
// marks and the stems of the discrete spectrum. While kept curves are shown the other
// curves are drawn two pixels wide, the kept ones one.
void paintGraph(QImage& image, const ViewerSlots& viewer, const GraphScale& scale, const PlotArea& area);
// The same on any paint device (a printed page, an SVG drawing) of the given size.
void paintGraph(QPainter& p, QSize size, const ViewerSlots& viewer, const GraphScale& scale,
                const PlotArea& area, const GraphColours& colours = screenColours());

// Where the legend (top left, one line per shown curve) and the texts handed over with
// the curves (top right, under the title) are written: the texts go below the legend
// when the two would meet. Either is empty when there is nothing to write.
struct GraphTextPlaces {
    QRect legend;
    QRect texts;
};
GraphTextPlaces graphTextPlaces(const ViewerSlots& viewer, const PlotArea& area, const QFontMetrics& metrics);

// The point-reading cursor's two values: X beside the x axis, Y beside the y axis, each
// kept inside the plot area and clear of the other.
struct PointReadout {
    QString xText, yText;
    QRect xPlace, yPlace;
};
PointReadout pointReadout(const Slot& slot, int index, const GraphScale& scale, const PlotArea& area,
                          const QFontMetrics& metrics);

// Marks point `index` of the slot by lines from both axes and writes its values.
void paintPointCursor(QImage& image, const Slot& slot, int index, const GraphScale& scale,
                      const PlotArea& area);

}  // namespace velmar::gui
