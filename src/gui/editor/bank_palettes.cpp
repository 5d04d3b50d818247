#include "gui/editor/bank_palettes.h"

#include <QPainter>

#include "gui/editor/cell_pictures.h"
#include "gui/editor/colours.h"

namespace velmar::gui {

namespace {

struct Geometry {
    QSize image;
    QPoint origin;   // top-left of the first cell
    QSize cell;
    int columns;
    int firstCode;
    int lastPainted;
    int lastClickable;
};

const Geometry& geometry(Palette palette) {
    static const Geometry small{{236, 58}, {3, 11}, {25, 15}, 9, 0, kSmallPaletteLastCode, kSmallPaletteLastCode};
    static const Geometry big{{220, 1620}, {5, 10}, {70, 40}, 3, kBigPaletteFirstCode, kBigPaletteLastCode,
                              kBigPaletteLastClickable};
    return palette == Palette::Small ? small : big;
}

// Between the cells the image shows the colour of the bank panel.
constexpr int kPanelColour = Silver;

}  // namespace

QSize paletteImageSize(Palette palette) { return geometry(palette).image; }

int paletteColumns(Palette palette) { return geometry(palette).columns; }

int paletteCode(Palette palette, int column, int row) {
    const Geometry& g = geometry(palette);
    return row * g.columns + column + g.firstCode;
}

QRect paletteCellRect(Palette palette, int code) {
    const Geometry& g = geometry(palette);
    if (code < g.firstCode || code > g.lastPainted) return {};
    const int index = code - g.firstCode;
    const QPoint topLeft(g.origin.x() + index % g.columns * g.cell.width(),
                         g.origin.y() + index / g.columns * g.cell.height());
    return {topLeft, g.cell};
}

std::optional<int> paletteCodeAt(Palette palette, QPoint pixel) {
    const Geometry& g = geometry(palette);
    // Integer division truncates toward zero, as the palette's rule asks.
    const int column = (pixel.x() - g.origin.x()) / g.cell.width();
    const int row = (pixel.y() - g.origin.y()) / g.cell.height();
    if (column < 0 || column >= g.columns || row < 0) return std::nullopt;
    const int code = paletteCode(palette, column, row);
    if (code > g.lastClickable) return std::nullopt;
    return code;
}

int blockGroupColour(int code) {
    if ((code >= 33 && code <= 37) || (code >= 103 && code <= 122)) return Fuchsia;
    if ((code >= 38 && code <= 45) || (code >= 65 && code <= 72) || code == 79 || code == 80 || code == 81 ||
        code == 98 || code == 99 || (code >= 138 && code <= 143))
        return Red;
    if ((code >= 46 && code <= 48) || (code >= 91 && code <= 97) || (code >= 127 && code <= 137)) return Purple;
    if (code >= 54 && code <= 59) return Gray;
    if (code >= 60 && code <= 63) return Silver;
    if ((code >= 73 && code <= 77) || code == 102) return Maroon;
    if (code == 78) return Navy;
    if (code == 84 || code == 100 || code == 101 || (code >= 123 && code <= 126)) return Olive;
    return Green;  // 22..32, 49..53, 64, 82, 83, 85..90, 144 and above
}

void paintPaletteCell(QImage& image, Palette palette, int code, bool highlighted) {
    const QRect cell = paletteCellRect(palette, code);
    if (cell.isEmpty()) return;
    const QSize picture = cellPictureSize(code);
    const QPoint topLeft = cell.topLeft() + QPoint((cell.width() - picture.width()) / 2,
                                                   (cell.height() - picture.height()) / 2);
    const ColourPair colours = highlighted ? kPaletteHighlight
                               : palette == Palette::Small ? ColourPair{Gray, White}
                                                           : ColourPair{blockGroupColour(code), White};
    QPainter painter(&image);
    drawCellPicture(painter, topLeft, code, colours.background, colours.line);
}

QImage paintPalette(Palette palette) {
    const Geometry& g = geometry(palette);
    QImage image(g.image, QImage::Format_RGB32);
    image.fill(tableColour(kPanelColour));
    for (int code = g.firstCode; code <= g.lastPainted; ++code) paintPaletteCell(image, palette, code, false);
    return image;
}

}  // namespace velmar::gui
