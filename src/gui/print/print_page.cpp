#include "gui/print/print_page.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <cmath>

namespace velmar::gui {

namespace {

QSizeF screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {96, 96};
    return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
}

QSizeF printerDpi(const QPrinter& printer) {
    return {static_cast<qreal>(printer.logicalDpiX()), static_cast<qreal>(printer.logicalDpiY())};
}

}  // namespace

QSizeF pageInScreenPixels(const QPrinter& printer) {
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const QSizeF screen = screenDpi(), dpi = printerDpi(printer);
    return {page.width() * screen.width() / dpi.width(), page.height() * screen.height() / dpi.height()};
}

bool printCentred(QPrinter& printer, const QImage& picture) {
    // The exact resolution ratio keeps the picture at its true size and centred; a
    // whole-number ratio would shrink it and shift it left.
    const QSizeF screen = screenDpi(), dpi = printerDpi(printer);
    const double fx = dpi.width() / screen.width(), fy = dpi.height() / screen.height();
    const double pageWidth = pageInScreenPixels(printer).width();
    const double margin = picture.width() < pageWidth ? (pageWidth - picture.width()) / 2 : 0;
    QPainter p;
    if (!p.begin(&printer)) return false;
    p.drawImage(QRectF(margin * fx, 0, picture.width() * fx, picture.height() * fy), picture);
    return p.end();
}

bool printPlaced(QPrinter& printer, const QImage& picture, const velmar::Placement& placement,
                 int objectZoom) {
    const QSizeF screen = screenDpi(), dpi = printerDpi(printer);
    const double rx = dpi.width() / screen.width(), ry = dpi.height() / screen.height();
    const double scale = objectZoom / 100.0;
    QPainter p;
    if (!p.begin(&printer)) return false;
    p.drawImage(QRectF(rx * placement.left, ry * placement.top, rx * scale * picture.width(),
                       ry * scale * picture.height()),
                picture);
    return p.end();
}

}  // namespace velmar::gui
