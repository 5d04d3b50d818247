#include "test_schemes/layouts.h"

#include <stdexcept>

namespace velmar::tools {

namespace {

constexpr int kSourceCol = 2;
// From one block to the next: eight columns (four cells of wire between them) and seven
// rows (the caption under a block and room for wires).
constexpr int kColumnPitch = 8;
constexpr int kRowPitch = 7;

Element& put(Sketch& s, const Part& p, int col, int row) {
    return s.put(p.code, col, row, p.params, p.caption);
}

}  // namespace

Chain chain(Sketch& s, const Part& source, const std::vector<Part>& blocks, int row,
            std::string_view recorderCaption) {
    if (blocks.empty() || blocks.size() > 2) throw std::logic_error("a chain holds one or two blocks");
    Chain c{&put(s, source, kSourceCol, row), {}, nullptr};
    int col = kSourceCol;
    const Element* previous = c.source;
    for (const Part& p : blocks) {
        col += kColumnPitch;
        c.blocks.push_back(&put(s, p, col, row));
        s.connect(*previous, *c.blocks.back());
        previous = c.blocks.back();
    }
    c.recorder = &s.put(62, col + kColumnPitch, row, {}, recorderCaption);
    s.connect(*previous, *c.recorder);
    // The source's signal over the row into the recorder's top.
    const Cell tap{out(*c.source).col + 1, out(*c.source).row};
    s.wire({tap, {tap.col, row - 2}, {above(*c.recorder).col, row - 2}, above(*c.recorder)});
    if (blocks.size() == 2) {  // the first block's output under the row into its bottom
        const Cell mid{out(*c.blocks[0]).col + 2, out(*c.blocks[0]).row};
        s.wire({mid, {mid.col, row + 4}, {entryBelow(*c.recorder).col, row + 4}, entryBelow(*c.recorder)});
    }
    return c;
}

void fan(Sketch& s, const Part& source, const std::vector<Part>& blocks, int row) {
    if (blocks.empty() || blocks.size() > 3) throw std::logic_error("a fan holds one to three blocks");
    constexpr int blockCol = kSourceCol + kColumnPitch;
    constexpr int recorderCol = blockCol + kColumnPitch;
    constexpr int bus = recorderCol - 3;  // the column carrying the source's signal down
    const Element& x = put(s, source, kSourceCol, row);
    std::vector<const Element*> fed, recorders;
    for (std::size_t k = 0; k < blocks.size(); ++k) {
        const int r = row + kRowPitch * static_cast<int>(k);
        fed.push_back(&put(s, blocks[k], blockCol, r));
        recorders.push_back(&s.put(62, recorderCol, r, {}, "x, y"));
    }
    // The source into every block: straight into the first, down a column to the others.
    s.connect(x, *fed[0]);
    const int split = out(x).col + 2;
    for (std::size_t k = 1; k < fed.size(); ++k)
        s.wire({{split, out(*fed[k - 1]).row}, {split, out(*fed[k]).row}, in(*fed[k])});
    for (std::size_t k = 0; k < fed.size(); ++k) s.connect(*fed[k], *recorders[k]);
    // The source's signal over the first block and down the bus into each recorder's
    // lowest input, crossing the block outputs.
    const Cell tap{out(x).col + 1, out(x).row};
    const Cell last = in(*recorders.back(), 2);
    s.wire({tap, {tap.col, row - 2}, {bus, row - 2}, {bus, last.row}, last});
    for (std::size_t k = 0; k + 1 < recorders.size(); ++k) {
        const Cell entry = in(*recorders[k], 2);
        s.wire({{bus, entry.row}, entry});
    }
}

void operands(Sketch& s, const std::vector<Operand>& inputs, const Part& block,
              std::string_view recorderCaption) {
    if (inputs.size() > 3 || (inputs.size() > 1 && inputs[1].shown))
        throw std::logic_error("operands: bad inputs");
    constexpr int selectorCol = kSourceCol + kColumnPitch, blockCol = selectorCol + kColumnPitch;
    constexpr int turn = blockCol - 3, tap = turn - 1;
    constexpr int blockRow = 3 + kRowPitch;
    Element& tested = put(s, block, blockCol, blockRow);
    Element& rec = s.put(62, blockCol + kColumnPitch, blockRow, {}, recorderCaption);
    for (std::size_t k = 0; k < inputs.size(); ++k) {
        const Operand& input = inputs[k];
        if (input.source.code == 0) continue;  // an unused row
        const int row = 3 + kRowPitch * static_cast<int>(k);
        // A source without a selector stands in the selectors' column, so that it is
        // numbered after the selectors above it: a block that takes its operands in
        // input order (the quadratic function) has them before it meets the signal.
        Element* feeder = &put(s, input.source, input.selector ? kSourceCol : selectorCol, row);
        if (input.selector) {
            Element& selector = s.put(input.selector, selectorCol, row, {}, input.name);
            s.connect(*feeder, selector);
            feeder = &selector;
        }
        s.route(*feeder, tested, static_cast<int>(k), turn);
        if (!input.shown) continue;
        if (k == 0) s.wire({{tap, row + 1}, {tap, row - 2}, {above(rec).col, row - 2}, above(rec)});
        else s.wire({{tap, row + 1}, {tap, row + 4}, {entryBelow(rec).col, row + 4}, entryBelow(rec)});
    }
    s.connect(tested, rec);
}

void characteristic(Sketch& s, const Part& source, const Part& block) {
    constexpr int row = 3;
    const Chain c = chain(s, source, {block}, row);
    Element& selector = s.put(54, c.blocks[0]->Col, row + kRowPitch, {}, "x");
    Element& series = s.put(61, c.recorder->Col, row + kRowPitch, {}, "y(x)");
    // The input down to the selector; the output down into the series recorder's top.
    const Cell split{out(*c.source).col + 2, out(*c.source).row};
    s.wire({split, {split.col, SchemeDrawing::middleRow(selector)}, in(selector)});
    s.connect(selector, series);
    const Cell tap{out(*c.blocks[0]).col + 2, out(*c.blocks[0]).row};
    s.wire({tap, {tap.col, row + 5}, {above(series).col, row + 5}, above(series)});
}

}  // namespace velmar::tools
