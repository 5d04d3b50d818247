#include "gui/editor/bank_palettes.h"

#include <QPainter>

#include "gui/editor/cell_pictures.h"
#include "gui/editor/colours.h"

namespace velmar::gui {

namespace {

struct Geometry {
    QSize image;
    QPoint origin;  // top-left of the first cell
    QSize cell;
    int columns;
    int cells;  // of the codes: 1 (small) or 3 (big)
};

const Geometry& geometry(Palette palette) {
    static const Geometry small{{236, 58}, {3, 11}, {25, 15}, 9, 1};
    static const Geometry big{{220, 1660}, {5, 10}, {70, 40}, 3, 3};
    return palette == Palette::Small ? small : big;
}

const std::vector<int>& codesOf(Palette palette) { return bankCodes(geometry(palette).cells); }

// Between the cells the image shows the colour of the bank panel.
constexpr int kPanelColour = Silver;

}  // namespace

QSize paletteImageSize(Palette palette) { return geometry(palette).image; }

int paletteColumns(Palette palette) { return geometry(palette).columns; }

int paletteCode(Palette palette, int column, int row) {
    const Geometry& g = geometry(palette);
    const std::vector<int>& codes = codesOf(palette);
    const int slot = row * g.columns + column;
    if (column < 0 || column >= g.columns || slot < 0 || slot >= static_cast<int>(codes.size())) return -1;
    return codes[static_cast<std::size_t>(slot)];
}

QRect paletteCellRect(Palette palette, int code) {
    const Geometry& g = geometry(palette);
    const int slot = bankSlot(code);
    if (slot < 0 || blockInfo(code).cells != g.cells) return {};
    const QPoint topLeft(g.origin.x() + slot % g.columns * g.cell.width(),
                         g.origin.y() + slot / g.columns * g.cell.height());
    return {topLeft, g.cell};
}

std::optional<int> paletteCodeAt(Palette palette, QPoint pixel) {
    const Geometry& g = geometry(palette);
    // Integer division truncates toward zero, as the palette's rule asks.
    const int column = (pixel.x() - g.origin.x()) / g.cell.width();
    const int row = (pixel.y() - g.origin.y()) / g.cell.height();
    if (row < 0) return std::nullopt;
    const int code = paletteCode(palette, column, row);
    if (code < 0 || code == kKeyboardOnlyCode) return std::nullopt;
    return code;
}

int blockGroupColour(int code) {
    switch (blockInfo(code).group) {
        case BankGroup::General: return Green;
        case BankGroup::Signals: return Fuchsia;
        case BankGroup::Nonlinear: return Red;
        case BankGroup::Logic: return Purple;
        case BankGroup::Selectors: return Gray;
        case BankGroup::Viewers: return Silver;
        case BankGroup::Converters: return Maroon;
        case BankGroup::Regime: return Navy;
        case BankGroup::Comparison: return Olive;
    }
    return Green;
}

void paintPaletteCell(QImage& image, Palette palette, int code, bool highlighted) {
    const QRect cell = paletteCellRect(palette, code);
    if (cell.isEmpty()) return;
    const QSize picture = cellPictureSize(code);
    const QPoint topLeft =
        cell.topLeft() + QPoint((cell.width() - picture.width()) / 2, (cell.height() - picture.height()) / 2);
    const ColourPair colours = highlighted                 ? kPaletteHighlight
                               : palette == Palette::Small ? ColourPair{Gray, White}
                                                           : ColourPair{blockGroupColour(code), White};
    QPainter painter(&image);
    drawCellPicture(painter, topLeft, code, colours.background, colours.line);
}

QImage paintPalette(Palette palette) {
    const Geometry& g = geometry(palette);
    QImage image(g.image, QImage::Format_RGB32);
    image.fill(tableColour(kPanelColour));
    for (const int code : codesOf(palette)) paintPaletteCell(image, palette, code, false);
    return image;
}

}  // namespace velmar::gui
