// Printing the scheme: the used cells of the canvas, white lines turned black on a
// white page.
#include "print_hooks.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "form_main.h"

namespace velmar::gui {

namespace {

QImage composeScheme(TFormMain& form) {
    const Scheme& s = form.workbench().scheme;
    int c1 = kGridSize, r1 = kGridSize, c2 = -1, r2 = -1;
    for (int c = 0; c < kGridSize; ++c)
        for (int r = 0; r < kGridSize; ++r) {
            const std::uint8_t code = s.cell(c, r);
            if ((code >= 1 && code <= 21) || s.IsBlockCorner(c, r)) {
                c1 = std::min(c1, c);
                r1 = std::min(r1, r);
                c2 = std::max(c2, c);
                r2 = std::max(r2, r);
            }
        }
    if (c2 < 0) return {};
    form.redrawAll();
    const QImage& canvas = form.canvas().image();
    QImage out((c2 - c1) * 21 + 93, (r2 - r1) * 11 + 45, QImage::Format_RGB32);
    out.fill(Qt::white);
    for (int x = 0; x < out.width(); ++x)
        for (int y = 0; y < out.height(); ++y) {
            const QPoint at(x + c1 * 21 - 21, y + r1 * 11 - 11);
            if (canvas.rect().contains(at) && canvas.pixel(at) == qRgb(255, 255, 255)) out.setPixel(x, y, qRgb(0, 0, 0));
        }
    return out;
}

void paintPage(QPrinter& printer, const QImage& picture) {
    QPainter p(&printer);
    const QRect page = p.viewport();
    const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QSize shown = size.width() < picture.width() * 4 ? size : picture.size() * 4;
    p.drawImage(QRect(QPoint((page.width() - shown.width()) / 2, 0), shown), picture);
}

QPrinter& sharedPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

}  // namespace

void printCommand(TFormMain& form, PrintCommand command) {
    QPrinter& printer = sharedPrinter();
    if (command == PrintCommand::Setup) {
        QPageSetupDialog(&printer, &form).exec();
        return;
    }
    form.statusMessage("Printing...");
    const QImage picture = composeScheme(form);
    if (command == PrintCommand::Preview) {
        QPrintPreviewDialog preview(&printer, &form);
        preview.setObjectName("PrePrnForm");
        preview.setWindowTitle("Preview");
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&](QPrinter* p) { paintPage(*p, picture); });
        preview.exec();
    } else {
        QPrintDialog dialog(&printer, &form);
        if (dialog.exec() == QDialog::Accepted) paintPage(printer, picture);
    }
}

}  // namespace velmar::gui
