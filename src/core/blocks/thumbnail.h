// The thumbnail a recorder draws into its square after a run: its curves in the 62 x 32
// picture of the block, 59 x 31 pixels inside it.
#pragma once

#include "core/host.h"

namespace velmar {

// Scales the curves into the picture: the ranges over the first `points` samples of all
// curves (a range of only zeros counts as 0 .. 0.0001), 58 / (|max| + |min|) pixels per
// unit across and 30 / (|max| + |min|) up; the axes go where zero falls, at an edge when
// the data do not change sign; consecutive samples are joined.
Thumbnail makeThumbnail(int col, int row, const Diagrams& curves, int points);

}  // namespace velmar
