// Operations on the marked block, the rectangle of cells between the mark's corners:
// copy or move it to a cell, delete it, write it to a block file and read a block file
// in. A copy or a move puts each block down with the parameters, marks and label of its
// source; a block file gives its blocks the parameters and labels it holds.
#pragma once

#include "core/editor/cursor_motion.h"
#include "core/editor/file_session.h"
#include "core/model/scheme.h"

namespace velmar::editor {

// Copies (or, with `move`, moves) the marked cells so that the mark's top-left lands
// at `to`; the mark follows the copy. Nothing happens while the mark is empty. Blocks
// are taken whole when their top-left cell lies in the mark, even if they reach past
// it; targets beyond column or row 87 are skipped.
void copyMarkedBlock(Scheme& scheme, Cell to, bool move);

// Erases every cell of the mark (whole blocks that touch it) and empties the mark.
void deleteMarkedBlock(Scheme& scheme);

// The block file chosen in the open dialog, read in with its top-left cell at `at`
// ("Opened."), `beforeRead` called once a file was chosen. A name that is not a scheme
// file's is ignored; a file fault is shown. True when the scheme changed.
bool readBlockFile(FileSession& files, Workbench& wb, Cell at, const std::function<void()>& beforeRead = {});

// The marked block written to the file chosen in the save dialog ("Saved."), under
// the same rules.
void writeBlockFile(FileSession& files, Workbench& wb);

}  // namespace velmar::editor
