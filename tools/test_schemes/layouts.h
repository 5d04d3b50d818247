// Layouts several test schemes share: a signal source feeding one or more blocks, with
// time recorders showing each block's input and output.
#pragma once

#include <string_view>
#include <vector>

#include "test_schemes/sketch.h"

namespace velmar::tools {

// A block to put down: its code, its parameters in dialog row order, its caption.
struct Part {
    int code;
    std::vector<Extended> params;
    std::string_view caption;
};

// Blocks side by side on one row: the source in column 2, each block eight columns
// further, a time recorder at the end. The recorder shows the source's signal (a wire
// over the row) and the last block's output; with two blocks also the first one's
// output (a wire under the row). The row needs two free rows above it.
struct Chain {
    Element* source;
    std::vector<Element*> blocks;
    Element* recorder;
};
Chain chain(Sketch& s, const Part& source, const std::vector<Part>& blocks, int row = 3,
            std::string_view recorderCaption = "x, y");

// One source feeding up to three blocks stacked seven rows apart, each block with its
// own time recorder showing the source's signal and the block's output.
void fan(Sketch& s, const Part& source, const std::vector<Part>& blocks, int row = 3);

// A block of up to three inputs on rows 3, 10 and 17, entering it from the left on its
// rows 10, 11 and 12; an input either straight from its source or through an
// additional-input selector (54..59). A time recorder shows the block's output and, when
// asked, the first input (over the rows) and the third (under them).
struct Operand {
    Part source;              // code 0: the row is left empty
    int selector = 0;         // 0: the ordinary input
    std::string_view name{};  // the selector's caption
    bool shown = false;       // recorded (the first and third input only)
};
void operands(Sketch& s, const std::vector<Operand>& inputs, const Part& block,
              std::string_view recorderCaption);

// A block's static characteristic: the source feeds the block, a time recorder shows
// input and output against time, and a two-series recorder plots the output against
// the input (which reaches it through additional-input selector 54).
void characteristic(Sketch& s, const Part& source, const Part& block);

}  // namespace velmar::tools
