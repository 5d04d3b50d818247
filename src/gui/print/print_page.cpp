#include "print_page.h"

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
    const QSizeF screen = screenDpi(), dpi = printerDpi(printer);
    const int fx = std::max(1, static_cast<int>(dpi.width() / screen.width()));
    const int fy = std::max(1, static_cast<int>(dpi.height() / screen.height()));
    const int pageWidth = static_cast<int>(std::lround(pageInScreenPixels(printer).width()));
    const int margin = picture.width() < pageWidth ? (pageWidth - picture.width()) / 2 : 0;
    QPainter p;
    if (!p.begin(&printer)) return false;
    p.drawImage(QRect(margin * fx, 0, picture.width() * fx, picture.height() * fy), picture);
    return p.end();
}

bool printPlaced(QPrinter& printer, const QImage& picture, const velmar::Placement& placement, int objectZoom) {
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
