// Tests draw their schemes with the core's scheme drawing; these names keep the tests'
// own spelling of it.
#pragma once

#include "core/model/pieces.h"
#include "core/model/scheme_drawing.h"

namespace velmar::testing {

using SchemeBuilder = SchemeDrawing;

// Line-piece openings, as bits.
enum Side : unsigned { Left = LeftSide, Right = RightSide, Top = TopSide, Bottom = BottomSide };
inline unsigned openings(int code) { return pieceOpenings(code); }

}  // namespace velmar::testing
