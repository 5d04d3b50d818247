// The clipboard of the mouse editor: the file "~VelTmpC.tmp" in the system's temporary
// folder, written as a block file. Every workbench running on the machine shares it, so
// a block cut or copied in one can be pasted into another.
#pragma once

#include <filesystem>

#include "core/model/cell.h"
#include "core/model/scheme.h"

namespace velmar::editor {

std::filesystem::path clipboardFile();
bool clipboardHolds();

// Writes the marked block into the clipboard file, replacing the old one; false,
// writing nothing, while the mark is empty. Throws FileError.
bool copyToClipboard(const Scheme& scheme);

// Puts the clipboard's block down with its top-left cell at `at`, erasing what the
// block's area held; the pasted area becomes the mark. False when there is no
// clipboard file. Throws FileError, leaving the scheme as it was.
bool pasteFromClipboard(Scheme& scheme, Cell at);

}  // namespace velmar::editor
