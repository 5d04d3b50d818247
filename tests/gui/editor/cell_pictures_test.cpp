// The cell pictures and the bank palettes: every picture stays inside its area in its
// two colours, wires join up at the cell edges, nodes show their subtracting side, and
// the palette geometry maps cells and codes both ways.
//
// Run with `--sheets DIR` to write bank.png (both palettes) and codes.png (every code
// enlarged) into DIR instead of running the tests.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QtTest>

#include "core/model/catalogue.h"
#include "gui/editor/bank_palettes.h"
#include "gui/editor/cell_pictures.h"
#include "gui/editor/colours.h"
#include "gui/editor/face_layouts.h"
#include "gui/editor/face_painter.h"

using namespace velmar;
using namespace velmar::gui;

namespace {

constexpr int kMargin = 6;
constexpr int kSentinel = Yellow;  // never used by a picture in these tests
constexpr int kLastCode = 144;
constexpr int kUnknownCode = 200;  // a corrupt grid byte must still draw safely

QImage drawOne(int code, int background = Purple, int line = White) {
    const QSize size = cellPictureSize(code);
    QImage image(size + QSize(2 * kMargin, 2 * kMargin), QImage::Format_RGB32);
    image.fill(tableColour(kSentinel));
    QPainter painter(&image);
    drawCellPicture(painter, QPoint(kMargin, kMargin), code, background, line);
    return image;
}

// A pixel of the picture area, in picture coordinates.
QRgb at(const QImage& image, int x, int y) { return image.pixel(x + kMargin, y + kMargin); }
bool isLine(const QImage& image, int x, int y) { return at(image, x, y) == tableColour(White).rgb(); }

}  // namespace

class CellPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void pictureStaysInItsAreaInTwoColours_data() {
        QTest::addColumn<int>("code");
        for (int code = 0; code <= kLastCode; ++code) QTest::addRow("%d", code) << code;
        QTest::addRow("unknown") << kUnknownCode;
    }
    void pictureStaysInItsAreaInTwoColours() {
        QFETCH(int, code);
        const QImage image = drawOne(code);
        const QRect area(QPoint(kMargin, kMargin), cellPictureSize(code));
        const QRgb background = tableColour(Purple).rgb();
        const QRgb line = tableColour(White).rgb();
        int linePixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (!area.contains(x, y)) {
                    QVERIFY2(pixel == tableColour(kSentinel).rgb(),
                             qPrintable(QStringLiteral("drawn outside at %1,%2").arg(x).arg(y)));
                    continue;
                }
                QVERIFY2(
                    pixel == background || pixel == line,
                    qPrintable(QStringLiteral("third colour at %1,%2").arg(x - kMargin).arg(y - kMargin)));
                linePixels += pixel == line;
            }
        }
        if (code == 0) QCOMPARE(linePixels, 0);
        else QVERIFY(linePixels > 0);
    }

    void blockFrameRunsAlongTheAreaEdge() {
        for (int code = kFirstBlockCode; code <= kLastCode; ++code) {
            const QImage image = drawOne(code);
            for (int x = 0; x < kBlockPictureWidth; ++x)
                QVERIFY2(isLine(image, x, 0) && isLine(image, x, kBlockPictureHeight - 1),
                         qPrintable(QString::number(code)));
            for (int y = 0; y < kBlockPictureHeight; ++y)
                QVERIFY2(isLine(image, 0, y) && isLine(image, kBlockPictureWidth - 1, y),
                         qPrintable(QString::number(code)));
        }
    }

    // Adjacent pieces join only where both open: each piece touches its cell's edges at
    // the middle of its open sides and nowhere else.
    void piecesMeetTheCellEdgesAtTheirOpenings_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("open");                                      // l r t b
        const char* openings[] = {"lr",   "lr",   "tb",  "tb",                  // arrows 1..4
                                  "lr",   "tb",   "lt",  "rt",  "rb",  "lb",    // 5..10
                                  "lrtb", "lrtb", "lrb", "rtb", "ltb", "lrt"};  // 11..16
        for (int code = 1; code <= 16; ++code)
            QTest::addRow("%d", code) << code << QString::fromLatin1(openings[code - 1]);
    }
    void piecesMeetTheCellEdgesAtTheirOpenings() {
        QFETCH(int, code);
        QFETCH(QString, open);
        const QImage image = drawOne(code, Green, White);
        const int right = kCellWidth - 1;
        const int bottom = kCellHeight - 1;
        const int midX = kCellWidth / 2;
        const int midY = kCellHeight / 2;
        for (int y = 0; y < kCellHeight; ++y) {
            QCOMPARE(isLine(image, 0, y), y == midY && open.contains('l'));
            QCOMPARE(isLine(image, right, y), y == midY && open.contains('r'));
        }
        for (int x = 0; x < kCellWidth; ++x) {
            QCOMPARE(isLine(image, x, 0), x == midX && open.contains('t'));
            QCOMPARE(isLine(image, x, bottom), x == midX && open.contains('b'));
        }
    }

    void junctionHasADotAndCrossingKeepsTheWiresApart() {
        const int midX = kCellWidth / 2;
        const int midY = kCellHeight / 2;
        const QImage junction = drawOne(12, Green, White);
        const QImage crossing = drawOne(11, Green, White);
        for (int dx : {-1, 1}) {
            for (int dy : {-1, 1}) {
                QVERIFY(isLine(junction, midX + dx, midY + dy));
                QVERIFY(!isLine(crossing, midX + dx, midY + dy));
            }
            // The horizontal wire does not touch the vertical one at the middle.
            QVERIFY(!isLine(crossing, midX + dx, midY));
        }
    }

    // Nodes take inputs from the left, top and bottom and give their output to the
    // right; a filled sector marks the side that subtracts.
    void nodesShowTheirSubtractingSide_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("fromAbove");
        QTest::addColumn<bool>("fromBelow");
        QTest::addRow("17 sum") << 17 << false << false;
        QTest::addRow("18 below") << 18 << false << true;
        QTest::addRow("19 above") << 19 << true << false;
        QTest::addRow("20 both") << 20 << true << true;
        QTest::addRow("21 product") << 21 << false << false;
    }
    void nodesShowTheirSubtractingSide() {
        QFETCH(int, code);
        QFETCH(bool, fromAbove);
        QFETCH(bool, fromBelow);
        const QImage image = drawOne(code, Green, White);
        const int midX = kCellWidth / 2;
        const int midY = kCellHeight / 2;
        QCOMPARE(isLine(image, midX, midY - 3), fromAbove);
        QCOMPARE(isLine(image, midX, midY + 3), fromBelow);
        QVERIFY(isLine(image, 0, midY) && isLine(image, kCellWidth - 1, midY));
        QVERIFY(isLine(image, midX, 0) && isLine(image, midX, kCellHeight - 1));
    }

    void everyFaceTextHasAPlace() {
        for (int code = kFirstBlockCode; code <= kLastCode; ++code) {
            const auto& texts = blockInfo(code).faces;
            const auto& places = faces::faceLayout(code).texts;
            QVERIFY2(places.size() == texts.size(), qPrintable(QString::number(code)));
            for (std::size_t i = 0; i < places.size(); ++i) {
                const int anchor = places[i].anchor;
                QVERIFY2(anchor < static_cast<int>(places.size()) && anchor != static_cast<int>(i),
                         qPrintable(QString::number(code)));
            }
        }
    }

    // Every face text is placed, and clear of the frame.
    void faceTextsStayInsideTheFrame() {
        const QRect inside(1, 1, kBlockPictureWidth - 2, kBlockPictureHeight - 2);
        for (int code = kFirstBlockCode; code <= kLastCode; ++code) {
            const std::vector<QRect> bounds = faceTextBounds(code);
            QCOMPARE(bounds.size(), blockInfo(code).faces.size());
            for (const QRect& rect : bounds)
                QVERIFY2(!rect.isEmpty() && inside.contains(rect),
                         qPrintable(QStringLiteral("code %1: %2,%3 %4x%5")
                                        .arg(code)
                                        .arg(rect.x())
                                        .arg(rect.y())
                                        .arg(rect.width())
                                        .arg(rect.height())));
        }
    }

    // The same picture in other colours: the shape does not depend on the colours.
    void coloursChangeOnlyTheColours() {
        for (int code : {5, 12, 18, 22, 66, 134}) {
            const QImage plain = drawOne(code, Purple, White);
            const QImage cursor = drawOne(code, kCursorColours.background, kCursorColours.line);
            const QRgb cursorLine = tableColour(kCursorColours.line).rgb();
            for (int y = 0; y < plain.height(); ++y)
                for (int x = 0; x < plain.width(); ++x)
                    QCOMPARE(plain.pixel(x, y) == tableColour(White).rgb(), cursor.pixel(x, y) == cursorLine);
        }
    }

    void paletteCellsAndCodesMapBothWays() {
        for (Palette palette : {Palette::Small, Palette::Big}) {
            const bool small = palette == Palette::Small;
            const std::vector<int>& codes = bankCodes(small ? 1 : 3);
            const QRect image(QPoint(0, 0), paletteImageSize(palette));
            const int columns = paletteColumns(palette);
            for (std::size_t index = 0; index < codes.size(); ++index) {
                const int code = codes[index];
                const QRect cell = paletteCellRect(palette, code);
                QVERIFY(image.contains(cell));
                const int i = static_cast<int>(index);
                QCOMPARE(paletteCode(palette, i % columns, i / columns), code);
                const auto hit = paletteCodeAt(palette, cell.center());
                if (code == kKeyboardOnlyCode) QVERIFY(!hit);
                else QCOMPARE(hit, std::optional<int>(code));
                QCOMPARE(paletteCodeAt(palette, cell.topLeft()), hit);
                QCOMPARE(paletteCodeAt(palette, cell.bottomRight()), hit);
            }
            // The cells after the last code hold none.
            const int after = static_cast<int>(codes.size());
            QCOMPARE(paletteCode(palette, after % columns, after / columns), -1);
            QVERIFY(paletteCellRect(palette, codes.front() - 1).isEmpty());
        }
        // The big palette leaves out 142 and 143 and ends with the user function.
        QVERIFY(paletteCellRect(Palette::Big, 142).isEmpty());
        QVERIFY(paletteCellRect(Palette::Big, 143).isEmpty());
        QCOMPARE(paletteCode(Palette::Big, 0, 40), 144);
        QCOMPARE(paletteCodeAt(Palette::Big, QPoint(5 + 1, 10 + 40 * 40 + 1)), std::optional<int>(144));
        QCOMPARE(paletteCodeAt(Palette::Big, QPoint(5 + 70 + 1, 10 + 40 * 40 + 1)), std::nullopt);
    }

    void paletteClicksFollowTheDivisionRule_data() {
        QTest::addColumn<int>("palette");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<int>("code");  // -1: nothing
        const int small = static_cast<int>(Palette::Small);
        const int big = static_cast<int>(Palette::Big);
        QTest::addRow("small top-left margin") << small << QPoint(0, 0) << 0;
        QTest::addRow("small first cell") << small << QPoint(3, 11) << 0;
        QTest::addRow("small last code") << small << QPoint(3 + 3 * 25 + 1, 11 + 2 * 15 + 1) << 21;
        QTest::addRow("small after the last code") << small << QPoint(3 + 4 * 25 + 1, 11 + 2 * 15 + 1) << -1;
        QTest::addRow("small right margin") << small << QPoint(3 + 9 * 25, 12) << -1;
        QTest::addRow("small bottom margin") << small << QPoint(4, 11 + 3 * 15) << -1;
        QTest::addRow("big top-left margin") << big << QPoint(1, 2) << 22;
        QTest::addRow("big second row") << big << QPoint(5 + 70 + 1, 10 + 40) << 26;
        QTest::addRow("big last clickable") << big << QPoint(5 + 70 + 1, 10 + 39 * 40 + 1) << 140;
        QTest::addRow("big keyboard-only cell") << big << QPoint(5 + 140 + 1, 10 + 39 * 40 + 1) << -1;
        QTest::addRow("big right margin") << big << QPoint(5 + 3 * 70, 20) << -1;
    }
    void paletteClicksFollowTheDivisionRule() {
        QFETCH(int, palette);
        QFETCH(QPoint, pixel);
        QFETCH(int, code);
        const auto hit = paletteCodeAt(static_cast<Palette>(palette), pixel);
        QCOMPARE(hit.value_or(-1), code);
    }

    // Boundaries of the groups that colour the big palette.
    void blockGroupsColourTheBigPalette_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("colour");
        const std::pair<int, int> rows[] = {
            {22, Green},  {32, Green},  {33, Fuchsia}, {37, Fuchsia}, {38, Red},      {45, Red},
            {46, Purple}, {48, Purple}, {49, Green},   {53, Green},   {54, Gray},     {59, Gray},
            {60, Silver}, {63, Silver}, {64, Green},   {65, Red},     {72, Red},      {73, Maroon},
            {77, Maroon}, {78, Navy},   {79, Red},     {81, Red},     {82, Green},    {83, Green},
            {84, Olive},  {85, Green},  {90, Green},   {91, Purple},  {97, Purple},   {98, Red},
            {99, Red},    {100, Olive}, {101, Olive},  {102, Maroon}, {103, Fuchsia}, {122, Fuchsia},
            {123, Olive}, {126, Olive}, {127, Purple}, {137, Purple}, {138, Red},     {143, Red},
            {144, Green}};
        for (auto [code, colour] : rows) QTest::addRow("%d", code) << code << colour;
    }
    void blockGroupsColourTheBigPalette() {
        QFETCH(int, code);
        QFETCH(int, colour);
        QCOMPARE(blockGroupColour(code), colour);
    }

    void palettesPaintEachCellInItsColoursAndHighlight() {
        for (Palette palette : {Palette::Small, Palette::Big}) {
            QImage image = paintPalette(palette);
            QCOMPARE(image.size(), paletteImageSize(palette));
            const bool small = palette == Palette::Small;
            for (const int code : bankCodes(small ? 1 : 3)) {
                const QRect cell = paletteCellRect(palette, code);
                const QRgb expected = tableColour(small ? Gray : blockGroupColour(code)).rgb();
                // The picture is centred in the cell: its background corners.
                const QSize gap = (cell.size() - cellPictureSize(code)) / 2;
                const QPoint corner = cell.topLeft() + QPoint(gap.width(), gap.height());
                QCOMPARE(image.pixel(corner + QPoint(1, 1)), expected);
                QCOMPARE(image.pixel(corner - QPoint(1, 1)), tableColour(Silver).rgb());
            }
            const int code = small ? 12 : 66;
            const QImage before = image;
            paintPaletteCell(image, palette, code, true);
            const QRect cell = paletteCellRect(palette, code);
            const QSize gap = (cell.size() - cellPictureSize(code)) / 2;
            QCOMPARE(image.pixel(cell.topLeft() + QPoint(gap.width() + 1, gap.height() + 1)),
                     tableColour(kPaletteHighlight.background).rgb());
            bool maroon = false;
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    maroon = maroon || image.pixel(x, y) == tableColour(kPaletteHighlight.line).rgb();
            QVERIFY(maroon);
            paintPaletteCell(image, palette, code, false);
            QCOMPARE(image, before);
        }
    }
};

namespace {

// Both palettes as on the bank panel: the small one above the big one.
QImage bankSheet() {
    const QImage small = paintPalette(Palette::Small);
    const QImage big = paintPalette(Palette::Big);
    QImage sheet(std::max(small.width(), big.width()), small.height() + 4 + big.height(),
                 QImage::Format_RGB32);
    sheet.fill(tableColour(Silver));
    QPainter painter(&sheet);
    painter.drawImage(0, 0, small);
    painter.drawImage(0, small.height() + 4, big);
    return sheet;
}

// Every code in the canvas colours, enlarged, with its number above it.
QImage codesSheet(int scale) {
    constexpr int columns = 8;
    const QSize cell(kBlockPictureWidth * scale + 16, kBlockPictureHeight * scale + 24);
    const int rows = (kLastCode + columns) / columns;
    QImage sheet(columns * cell.width(), rows * cell.height(), QImage::Format_RGB32);
    sheet.fill(QColor(0xD8D8D8));
    QPainter painter(&sheet);
    for (int code = 1; code <= kLastCode; ++code) {
        const QPoint corner((code - 1) % columns * cell.width(), (code - 1) / columns * cell.height());
        const bool block = code >= kFirstBlockCode;
        QImage picture(cellPictureSize(code), QImage::Format_RGB32);
        QPainter pp(&picture);
        drawCellPicture(pp, QPoint(0, 0), code, block ? Purple : Green, White);
        pp.end();
        painter.setPen(Qt::black);
        painter.drawText(corner + QPoint(8, 16), QString::number(code));
        painter.drawImage(corner + QPoint(8, 20), picture.scaled(picture.size() * scale));
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype sheets = args.indexOf(QStringLiteral("--sheets"));
    if (sheets >= 0 && sheets + 1 < args.size()) {
        const QDir dir(args[sheets + 1]);
        const bool written = bankSheet().save(dir.filePath(QStringLiteral("bank.png"))) &&
                             codesSheet(3).save(dir.filePath(QStringLiteral("codes.png")));
        return written ? 0 : 1;
    }
    CellPicturesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "cell_pictures_test.moc"
