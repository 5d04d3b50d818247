// The workbench's 16-colour table. Every drawing operation of the editor names its
// colours by index into this table, and the pairs below are the background / line
// colours of each use on the canvas and in the bank palettes.
#pragma once

#include <QColor>

namespace velmar::gui {

enum ColourIndex : int {
    Black = 0,
    Maroon = 1,
    Green = 2,
    Olive = 3,
    Navy = 4,
    Purple = 5,
    Teal = 6,
    Gray = 7,
    Silver = 8,
    Red = 9,
    Lime = 10,
    Blue = 11,
    Fuchsia = 12,
    Aqua = 13,
    Yellow = 14,
    White = 15,
};

inline constexpr int kColourCount = 16;

// The colour of a table index; an index outside 0..15 gives black.
QColor tableColour(int index);

// A background colour index and the line colour index drawn on it.
struct ColourPair {
    int background;
    int line;
};

inline constexpr int kCanvasBackground = Green;

inline constexpr ColourPair kBlockColours{Purple, White};        // block outside the mark
inline constexpr ColourPair kMarkedBlockColours{Maroon, White};  // block inside the mark
inline constexpr ColourPair kCellColours{Green, White};          // one-cell item outside the mark
inline constexpr ColourPair kMarkedCellColours{Olive, Maroon};   // one-cell item inside the mark, on redraw
inline constexpr ColourPair kMarkedCellPutColours{Olive,
                                                  White};      // one-cell item inside the mark, when put down
inline constexpr ColourPair kFaultColours{Navy, Fuchsia};      // cell listed as a wiring fault
inline constexpr ColourPair kCursorColours{Gray, Fuchsia};     // the cursor with its held code
inline constexpr int kSelectionLine = Silver;                  // items inside a mouse selection
inline constexpr ColourPair kPaletteHighlight{White, Maroon};  // highlighted bank cell

}  // namespace velmar::gui
