// What the test-scheme drawings are written with: blocks put down with their parameters
// and captions, and wires drawn between them, all through the scheme model.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/scheme.h"
#include "core/model/scheme_drawing.h"

namespace velmar::tools {

class Sketch {
public:
    explicit Sketch(Scheme& scheme) : scheme_(scheme), draw_(scheme) {}

    // A block with its top-left cell at (col, row), its parameters set in dialog row
    // order (the rest keep their defaults) and its caption. Nothing drawn before may be
    // in its way: a block that would erase another is a drawing fault.
    Element& put(int code, int col, int row, const std::vector<Extended>& params = {},
                 std::string_view caption = {});
    Element& node(int code, int col, int row);

    // A wire through the given cells (see SchemeDrawing::wire): it starts next to an
    // element or on a wire already drawn and ends with an arrow at the element it feeds.
    void wire(std::initializer_list<Cell> points) { draw_.wire(points); }
    // A straight wire from `from`'s output to `to`, on `from`'s middle row.
    void connect(const Element& from, const Element& to) { draw_.connect(from, to); }
    // From `from`'s output along its middle row to column `turn`, along that column to
    // row `entry` of `to` (0..2, counted from its top row), and on to `to`.
    void route(const Element& from, const Element& to, int entry, int turn);

    // Gives every captioned element its label by its final number.
    void finish();

private:
    Scheme& scheme_;
    SchemeDrawing draw_;
    std::vector<std::pair<const Element*, std::string>> captions_;
};

// The cell right of an element's middle row, where its output wire starts.
Cell out(const Element& e);
// The cell left of row k (0..2) of a block, or left of a node, where a wire into it ends.
Cell in(const Element& e, int k = 1);
// The cells above and below column k (0..2) of a block, or of a node.
Cell above(const Element& e, int k = 1);
Cell below(const Element& e, int k = 1);
// Where a wire enters a captioned block from below: under its right column, clear of
// the caption centred under the block.
inline Cell entryBelow(const Element& e) { return below(e, 2); }

}  // namespace velmar::tools
