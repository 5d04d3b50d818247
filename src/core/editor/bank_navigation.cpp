#include "core/editor/bank_navigation.h"

#include <algorithm>

#include "core/editor/key_codes.h"
#include "core/model/catalogue.h"

namespace velmar::editor {

int smallPaletteCode(PaletteCell c) { return c.row * 9 + c.col + bankCodes(1).first; }
int bigPaletteCode(PaletteCell c) { return c.row * 3 + c.col + bankCodes(3).first; }

PaletteCell smallPaletteCell(int code) {
    const int slot = code - bankCodes(1).first;
    return {slot % 9, slot / 9};
}
PaletteCell bigPaletteCell(int code) {
    const int slot = code - bankCodes(3).first;
    return {slot % 3, slot / 3};
}

void smallPaletteKey(PaletteCell& at, int key) {
    switch (key) {
        case kKeyUp: at.row = std::max(at.row - 1, 0); break;
        case kKeyLeft: at.col = std::max(at.col - 1, 0); break;
        case kKeyRight:
            if (at.col < (at.row < 2 ? 8 : 3)) ++at.col;
            break;
        case kKeyDown:
            if ((at.row == 0 && at.col < 8) || (at.row == 1 && at.col < 4)) ++at.row;
            break;
        default: break;
    }
}

void bigPaletteKey(PaletteCell& at, int key, int pageRows) {
    switch (key) {
        case kKeyUp: --at.row; break;
        case kKeyDown: ++at.row; break;
        case kKeyLeft: --at.col; break;
        case kKeyRight: ++at.col; break;
        case kKeyPgUp: at.row -= pageRows; break;
        case kKeyPgDn: at.row += pageRows; break;
        default: break;
    }
    at.col = std::clamp(at.col, 0, kBigPalette.columns - 1);
    at.row = std::clamp(at.row, 0, kBigPalette.rows - 1);
}

int bankScrollFor(int row, int position, int height) {
    const int top = row * kBigPalette.cellHeight;
    if (position >= top + 10) position = top + 2;
    if (top + 50 >= position + height) position = top - height + 50;
    return std::max(position, 0);
}

}  // namespace velmar::editor
