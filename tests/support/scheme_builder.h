// Tests draw their schemes with the core's scheme drawing; these names keep the tests'
// own spelling of it.
#pragma once

#include "core/model/pieces.h"
#include "core/model/scheme_drawing.h"

namespace velmar::testing {

using SchemeBuilder = SchemeDrawing;

// A unity feedback loop: a step (33) into a subtraction node (18), a forward block of
// `forward`'s code and a time recorder (62), the forward block's output wired back up
// into the node from below (link value 2).
struct UnityFeedback {
    Element& source;
    Element& node;
    Element& forward;
    Element& recorder;
};
inline UnityFeedback drawUnityFeedback(SchemeBuilder& d, int forward) {
    UnityFeedback loop{d.block(33, 5, 10), d.node(18, 12, 11), d.block(forward, 16, 10), d.block(62, 26, 10)};
    d.connect(loop.source, loop.node);
    d.connect(loop.node, loop.forward);
    d.connect(loop.forward, loop.recorder);
    d.wire({{22, 11}, {22, 15}, {12, 15}, {12, 12}});
    return loop;
}

// Line-piece openings, as bits.
enum Side : unsigned { Left = LeftSide, Right = RightSide, Top = TopSide, Bottom = BottomSide };
inline unsigned openings(int code) { return pieceOpenings(code); }

}  // namespace velmar::testing
