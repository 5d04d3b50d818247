// Copies from the picture cache are the pixels drawCellPicture paints, clipped or not,
// for every code in the colour pairs the canvas uses.
#include <QApplication>
#include <QPainter>
#include <QtTest>

#include "gui/editor/cell_pictures.h"
#include "gui/editor/colours.h"
#include "gui/editor/picture_cache.h"

using namespace velmar::gui;

class PictureCacheTest : public QObject {
    Q_OBJECT

private slots:
    void copiesAreThePaintedPixels() {
        PictureCache cache;
        const std::pair<int, int> colours[] = {
            {Purple, White}, {Olive, Maroon}, {Navy, Fuchsia}, {Gray, Fuchsia}};
        const QRect clips[] = {QRect(0, 0, 80, 50),
                               QRect(9, 4, 30, 17)};  // whole, and cutting into the picture
        for (int code = 0; code <= 145; ++code)
            for (const auto& [background, line] : colours)
                for (const QRect& clip : clips) {
                    QImage painted(80, 50, QImage::Format_RGB32), copied(80, 50, QImage::Format_RGB32);
                    painted.fill(tableColour(Yellow));
                    copied.fill(tableColour(Yellow));
                    QPainter a(&painted), b(&copied);
                    a.setClipRect(clip);
                    b.setClipRect(clip);
                    drawCellPicture(a, QPoint(7, 5), code, background, line);
                    cache.draw(b, QPoint(7, 5), code, background, line);
                    a.end();
                    b.end();
                    QVERIFY2(painted == copied, qPrintable(QString("code %1").arg(code)));
                }
    }
};

QTEST_MAIN(PictureCacheTest)
#include "picture_cache_test.moc"
