// Where element numbers, names and labels go on the canvas. They are drawn at the end
// of every redraw, over the blocks: a small numbered square at each block's top-left
// corner, the label and the name centred on the block below (+35 px) or above
// (-15 px) its top row. When names and labels are on the same side a block with a
// label shows only the label.
#pragma once

#include <string>
#include <vector>

#include "core/editor/editor_state.h"
#include "core/model/catalogue.h"
#include "core/model/scheme.h"

namespace velmar::editor {

inline int captionOffset(bool below) { return below ? 35 : -15; }

// The left of a text of `length` characters centred on a block in column `col`, at
// about four pixels per character.
int captionX(int col, int length);

// Characters of a UTF-8 text.
int textLength(const std::string& text);

struct CanvasCaption {
    enum class Kind { Number, Name, Label } kind;
    int x = 0;  // number: the square's top-left; name, label: the text's left
    int y = 0;  // number: the square's top-left; name, label: the text's top
    std::string text;
};

// The captions of every block in element-list order, for a canvas of the given size.
std::vector<CanvasCaption> blockCaptions(const Scheme& scheme, const CaptionSettings& settings, NameSet names,
                                         int canvasWidth, int canvasHeight);

}  // namespace velmar::editor
