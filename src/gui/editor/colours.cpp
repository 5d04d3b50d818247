#include "gui/editor/colours.h"

#include <array>

namespace velmar::gui {

QColor tableColour(int index) {
    // The standard 16 system colours, in table order.
    static constexpr std::array<QRgb, kColourCount> table = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
        0xC0C0C0, 0xFF0000, 0x00FF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFF00, 0xFFFFFF,
    };
    if (index < 0 || index >= kColourCount) return QColor(table[Black]);
    return QColor(table[static_cast<std::size_t>(index)]);
}

}  // namespace velmar::gui
