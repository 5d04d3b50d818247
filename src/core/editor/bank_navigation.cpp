#include "core/editor/bank_navigation.h"

#include <algorithm>

#include "core/editor/key_codes.h"
#include "core/model/catalogue.h"

namespace velmar::editor {

namespace {

int codeOfSlot(int cells, int slot) {
    const std::vector<int>& codes = bankCodes(cells);
    return slot >= 0 && slot < static_cast<int>(codes.size()) ? codes[static_cast<std::size_t>(slot)] : -1;
}

PaletteCell cellOfSlot(int slot, int columns) { return {slot % columns, slot / columns}; }

}  // namespace

int smallPaletteCode(PaletteCell c) { return codeOfSlot(1, c.row * kSmallPalette.columns + c.col); }
int bigPaletteCode(PaletteCell c) { return codeOfSlot(3, c.row * kBigPalette.columns + c.col); }

PaletteCell smallPaletteCell(int code) { return cellOfSlot(bankSlot(code), kSmallPalette.columns); }
PaletteCell bigPaletteCell(int code) { return cellOfSlot(bankSlot(code), kBigPalette.columns); }

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
    // The last row is not full: past its last block the highlight stays on that block.
    if (bigPaletteCode(at) < 0) at = bigPaletteCell(bankCodes(3).back());
}

int bankScrollFor(int row, int position, int height) {
    const int top = row * kBigPalette.cellHeight;
    if (position >= top + 10) position = top + 2;
    if (top + 50 >= position + height) position = top - height + 50;
    return std::max(position, 0);
}

}  // namespace velmar::editor
