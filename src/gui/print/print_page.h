// Putting a picture made in screen pixels onto a printer page.
#pragma once

#include <QImage>
#include <QSizeF>

#include "core/print/print_layout.h"

class QPrinter;

namespace velmar::gui {

// The printable page in screen pixels.
QSizeF pageInScreenPixels(const QPrinter& printer);

// One page with the picture at the top, centred across when narrower than the page,
// at its screen size. False when the printer could not start.
bool printCentred(QPrinter& printer, const QImage& picture);

// One page with the picture where the preview placed it (in page pixels at 100 % page
// zoom) at the object zoom.
bool printPlaced(QPrinter& printer, const QImage& picture, const velmar::Placement& placement,
                 int objectZoom);

}  // namespace velmar::gui
