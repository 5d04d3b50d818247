// Operations on the marked block, the rectangle of cells between the mark's corners:
// copy or move it to a cell, and delete it. Elements put down by a copy or a move are
// new, with the default parameters of their type.
#pragma once

#include "core/editor/cursor_motion.h"
#include "core/model/scheme.h"

namespace velmar::editor {

// Copies (or, with `move`, moves) the marked cells so that the mark's top-left lands
// at `to`; the mark follows the copy. Nothing happens while the mark is empty. Blocks
// are taken whole when their top-left cell lies in the mark, even if they reach past
// it; targets beyond column or row 87 are skipped.
void copyMarkedBlock(Scheme& scheme, Cell to, bool move);

// Erases every cell of the mark (whole blocks that touch it) and empties the mark.
void deleteMarkedBlock(Scheme& scheme);

}  // namespace velmar::editor
