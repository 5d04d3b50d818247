// The pictures that are printed: the scheme in black on white, cut to the used cells,
// and a graph with the free texts above and below it.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;

namespace velmar {
class Scheme;
}

namespace velmar::gui {

// The used cells of the scheme, cut from the whole canvas drawn for print (black on
// white, SchemeCanvas::printPicture), widened to the names and labels that reach past
// them. An empty scheme gives an empty picture.
QImage composeSchemePrint(const QImage& printPicture, const velmar::Scheme& scheme);
// Where that cut lies on the canvas; a null rectangle for an empty scheme.
QRect schemePrintArea(const QImage& printPicture, const velmar::Scheme& scheme);

// The graph picture with the lines of `top` above it and those of `bottom` below it,
// each in its own font, on white.
QImage composeGraphPrint(const QImage& graph, const QString& top, const QFont& topFont, const QString& bottom,
                         const QFont& bottomFont);

// The same page on any paint device: its size for a graph of size `graph`, and its
// painting, where `paintGraph` draws the graph with its top-left corner at the origin.
QSize graphPrintSize(QSize graph, const QString& top, const QFont& topFont, const QString& bottom,
                     const QFont& bottomFont);
void paintGraphPrint(QPainter& p, QSize graph, const std::function<void(QPainter&)>& paintGraph,
                     const QString& top, const QFont& topFont, const QString& bottom,
                     const QFont& bottomFont);

}  // namespace velmar::gui
