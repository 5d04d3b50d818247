#include "gui/editor/face_layouts.h"

#include <array>
#include <cmath>
#include <complex>
#include <initializer_list>
#include <numbers>

namespace velmar::gui::faces {

namespace {

using Kind = Shape::Kind;
using Shapes = std::vector<Shape>;

// ---- text placements ---------------------------------------------------------------

TextPlace at(int x, int y, TextSize size = TextSize::Normal) { return {x, y, size, true}; }
TextPlace small(int x, int y) { return at(x, y, TextSize::Small); }
TextPlace large(int x, int y) { return at(x, y, TextSize::Large); }
TextPlace leftAt(int x, int y, TextSize size = TextSize::Normal) { return {x, y, size, false}; }

// A raised (negative dy) or lowered text after `chars` characters of face text `text`.
TextPlace after(int text, int chars, int dy, TextSize size = TextSize::Index, int dx = 0) {
    return {dx, dy, size, false, text, chars};
}

// ---- shapes ------------------------------------------------------------------------

Shape path(std::initializer_list<int> points) { return {Kind::Lines, points}; }
Shape line(int x0, int y0, int x1, int y1) { return {Kind::Lines, {x0, y0, x1, y1}}; }
Shape solid(std::initializer_list<int> points) { return {Kind::Polygon, points}; }
Shape ring(int x, int y, int rx, int ry) { return {Kind::Ring, {x, y, rx, ry}}; }
Shape ring(int x, int y, int r) { return ring(x, y, r, r); }
Shape disc(int x, int y, int r) { return {Kind::Disc, {x, y, r, r}}; }
Shape arrow(int x0, int y0, int x1, int y1) { return {Kind::Arrow, {x0, y0, x1, y1}}; }
Shape dashes(int x0, int y0, int x1, int y1) { return {Kind::Dashes, {x0, y0, x1, y1}}; }
Shape arc(int x, int y, int w, int h, int start, int span) { return {Kind::Arc, {x, y, w, h, start, span}}; }
Shape bezier(int x0, int y0, int cx, int cy, int x1, int y1) {
    return {Kind::Bezier, {x0, y0, cx, cy, x1, y1}};
}
Shape plot(Curve curve, int x, int y, int sx, int sy) { return {Kind::Plot, {x, y, sx, sy}, curve}; }

Shapes join(std::initializer_list<Shapes> parts) {
    Shapes all;
    for (const Shapes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Axes with arrows: the horizontal one at y = oy from `left` to `right`, the vertical
// one at x = ox from `bottom` up to `top`.
Shapes axes(int ox, int oy, int left, int right, int top, int bottom) {
    return {arrow(left, oy, right, oy), arrow(ox, bottom, ox, top)};
}
// Axes of a time plot: the origin low at the left.
Shapes timeAxes(int oy = 26, int ox = 9) { return axes(ox, oy, ox - 2, 58, 2, oy + 2); }
// Axes of a static characteristic y(u): the origin in the middle.
Shapes centreAxes() { return axes(31, 16, 5, 58, 2, 29); }
// The bar of a transfer function written as a fraction.
Shapes fractionBar() { return {line(9, 14, 52, 14)}; }
// A circle with a cross: a multiplication point inside a structure.
Shapes multiplier(int x, int y) {
    return {ring(x, y, 4), line(x - 2, y - 2, x + 2, y + 2), line(x - 2, y + 2, x + 2, y - 2)};
}
// A gain triangle pointing right with its input and output leads.
Shapes gainTriangle() {
    return {path({16, 3, 16, 29, 46, 16, 16, 3}), line(1, 16, 16, 16), line(46, 16, 60, 16)};
}
// The integral sign: a stem from top to bottom with its ends turned, of radius r.
Shapes integralSign(int x, int top, int bottom, int r) {
    return {line(x, top + r, x, bottom - r), arc(x, top, 2 * r, 2 * r, 180, -180),
            arc(x - 2 * r, bottom - 2 * r, 2 * r, 2 * r, 0, -180)};
}
// Input leads of a block with three inputs, from the left frame to x.
Shapes threeLeads(int x) { return {line(1, 9, x, 9), line(1, 16, x, 16), line(1, 23, x, 23)}; }

// Logic gates, drawn with distinctive outlines: the body spans x 18..43, y 5..27.
enum class Gate { And, Or, Xor };
Shapes gate(Gate kind, bool inverted) {
    Shapes s =
        kind == Gate::And
            ? join({threeLeads(18), {path({30, 5, 18, 5, 18, 27, 30, 27}), arc(19, 5, 24, 22, 90, -180)}})
            : Shapes{line(1, 9, 20, 9),
                     line(1, 16, 22, 16),
                     line(1, 23, 20, 23),
                     arc(12, 5, 10, 22, 90, -180),
                     bezier(17, 5, 36, 5, 44, 16),
                     bezier(17, 27, 36, 27, 44, 16)};
    if (kind == Gate::Xor) s.push_back(arc(8, 5, 10, 22, 90, -180));
    if (inverted) return join({s, {ring(46, 16, 2), line(49, 16, 60, 16)}});
    return join({s, {line(44, 16, 60, 16)}});
}

// The typical structures: the input multiplied, integrated and multiplied again.
Shapes typicalStructure() {
    return join({multiplier(12, 18),
                 multiplier(50, 18),
                 integralSign(31, 12, 24, 2),
                 {line(1, 18, 8, 18), arrow(16, 18, 23, 18), path({23, 11, 38, 11, 38, 25, 23, 25, 23, 11}),
                  arrow(38, 18, 46, 18), line(54, 18, 60, 18)}});
}

// Flip-flops: a box with the pin field at its left, inputs from the left frame and the
// direct and inverted outputs at the right. Pins sit at y 8 (top), 16 (clock) and 24.
enum Pins : unsigned { Top = 1, Clock = 2, Bottom = 4 };
Shapes flipFlop(unsigned pins, bool edge, bool toggles) {
    Shapes s = {path({12, 2, 46, 2, 46, 29, 12, 29, 12, 2}), line(26, 2, 26, 29), line(46, 8, 60, 8),
                ring(48, 24, 2), line(51, 24, 60, 24)};
    if (pins & Top) s.push_back(line(1, 8, 12, 8));
    if (pins & Clock) s.push_back(line(1, 16, 12, 16));
    if (pins & Bottom) s.push_back(line(1, 24, 12, 24));
    if (edge) s.push_back(path({12, 13, 15, 16, 12, 19}));  // dynamic (edge) input
    if (toggles) {  // J = K = 1 toggles the output: a turning arrow in the state field
        s.push_back(arc(31, 16, 10, 10, 135, 315));
        s.push_back(solid({33, 16, 37, 14, 37, 18}));
    }
    return s;
}

// A sketch of the amplitude response on logarithmic axes.
Shapes bode(std::initializer_list<int> response) {
    return join({axes(9, 28, 7, 58, 13, 29), {Shape{Kind::Lines, response}}});
}

// ---- the table ---------------------------------------------------------------------

struct Row {
    int code;
    std::vector<TextPlace> texts;
    Shapes shapes;
};

const std::vector<Row>& rows() {
    // clang-format off
    static const std::vector<Row> table = {
        // Transfer functions written as fractions.
        {22, {at(31, 12), at(31, 27)}, fractionBar()},
        {23, {at(31, 12), at(31, 27)}, fractionBar()},
        {24, {at(31, 12), at(31, 27)}, fractionBar()},
        {25, {at(31, 12), at(31, 27)}, fractionBar()},
        {26, {at(31, 12), at(31, 27), after(1, 2, -5)}, fractionBar()},
        {27, {at(31, 12), at(31, 27)}, fractionBar()},
        {28, {at(31, 12), at(31, 27), after(0, 1, -4), after(1, 1, -4)}, fractionBar()},
        {29, {large(31, 21)}, {}},
        {30, {at(26, 21)}, gainTriangle()},
        {31, {large(23, 24), after(0, 1, -8, TextSize::Normal, 1)}, {}},
        {32, {at(27, 20)}, gainTriangle()},
        // Elementary inputs.
        {33, {at(36, 10)}, join({timeAxes(), {path({9, 26, 16, 26, 16, 12, 55, 12})}})},
        {34, {at(31, 11)}, {line(5, 22, 57, 22), plot(Curve::Sine, 8, 22, 46, 7)}},
        {35, {at(31, 11)}, {line(5, 22, 57, 22), plot(Curve::Noise, 6, 22, 50, 7)}},
        {36, {at(41, 17)}, join({timeAxes(), {arrow(18, 26, 18, 5)}})},
        {37, {at(47, 20)}, join({timeAxes(), {line(9, 26, 40, 5)}})},
        // Static nonlinearities, sampling blocks.
        {38, {}, join({centreAxes(), {path({9, 4, 31, 16, 53, 4})}})},
        {39, {}, {line(1, 12, 19, 12), ring(20, 12, 1), line(21, 11, 37, 4), ring(40, 12, 1), line(42, 12, 60, 12),
                  line(9, 28, 54, 28), line(14, 28, 14, 22), line(26, 28, 26, 19), line(38, 28, 38, 21),
                  line(50, 28, 50, 24)}},
        {40, {after(1, 3, -8, TextSize::Index, 1), at(31, 27)},
         {line(5, 8, 57, 8), plot(Curve::DampedSine, 8, 8, 46, 6)}},
        {41, {}, join({timeAxes(), {path({9, 22, 19, 22, 19, 15, 29, 15, 29, 8, 39, 8, 39, 12, 49, 12,
                                           49, 5, 57, 5})}})},
        {42, {}, join({timeAxes(), {path({11, 26, 11, 16, 15, 16, 15, 26}), path({20, 26, 20, 9, 24, 9, 24, 26}),
                                    path({29, 26, 29, 6, 33, 6, 33, 26}), path({38, 26, 38, 12, 42, 12, 42, 26}),
                                    path({47, 26, 47, 20, 51, 20, 51, 26})}})},
        {43, {at(46, 11)}, join({centreAxes(), {plot(Curve::ParabolaDown, 31, 16, 17, 12)}})},
        {44, {at(31, 12)}, {path({6, 28, 18, 28, 18, 19, 38, 19, 38, 28, 56, 28})}},
        {45, {small(17, 9), small(42, 25)}, join({centreAxes(), {path({12, 27, 36, 5, 50, 5, 26, 27, 12, 27})}})},
        {46, {at(31, 20)}, {}},
        {47, {at(31, 12)}, {plot(Curve::ParabolaUp, 31, 28, 18, 11), disc(31, 28, 1)}},
        {48, {leftAt(12, 20, TextSize::Large)}, {arrow(24, 16, 35, 16)}},
        {49, {at(31, 13)}, {arrow(24, 29, 24, 18), arrow(38, 18, 38, 29)}},
        {50, {at(40, 21)}, integralSign(25, 4, 28, 3)},
        {51, {at(40, 21)}, integralSign(25, 4, 28, 3)},
        // Relay contacts: the signal enters at the left, the selector operates the lever.
        {52, {}, {line(1, 14, 18, 14), ring(19, 14, 1), line(20, 15, 44, 20), line(40, 14, 60, 14),
                  line(40, 14, 40, 19), dashes(31, 19, 31, 29)}},
        {53, {}, {line(1, 18, 18, 18), ring(19, 18, 1), line(20, 17, 42, 8), line(42, 18, 60, 18),
                  line(42, 18, 42, 13), dashes(31, 13, 31, 29)}},
        // Additional-input selectors.
        {54, {at(31, 13), at(31, 27)}, {}},
        {55, {at(31, 13), at(31, 27)}, {}},
        {56, {at(31, 13), at(31, 27)}, {}},
        {57, {at(31, 13), at(31, 27)}, {}},
        {58, {at(31, 13), at(31, 27)}, {}},
        {59, {at(31, 13), at(31, 27)}, {}},
        // Analysis and recorders.
        {60, {leftAt(21, 9, TextSize::Small), small(55, 13)},
         join({axes(18, 18, 4, 58, 2, 29), {plot(Curve::Nyquist, 18, 18, 34, 14)}})},
        {61, {leftAt(12, 9, TextSize::Small), small(54, 23)},
         join({axes(9, 27, 7, 58, 2, 29), {plot(Curve::Lissajous, 33, 15, 17, 9)}})},
        {62, {leftAt(12, 9, TextSize::Small), small(53, 22)},
         join({timeAxes(), {plot(Curve::StepResponse, 9, 26, 46, 13)}})},
        {63, {leftAt(34, 10, TextSize::Small), small(54, 14)},
         join({centreAxes(), {plot(Curve::PhaseSpiral, 31, 16, 18, 11), line(36, 3, 37, 3)}})},
        {64, {large(24, 24), after(0, 1, -8, TextSize::Normal, 1)}, {}},
        {65, {at(31, 12), at(31, 27)}, fractionBar()},
        // Relay characteristics on centred axes.
        {66, {small(24, 11), small(26, 24), small(42, 14)},
         join({centreAxes(), {path({6, 26, 36, 26, 36, 6, 56, 6})}})},
        {67, {small(24, 11), small(45, 14), small(37, 25), small(18, 24)},
         join({centreAxes(), {path({6, 26, 22, 26, 40, 6, 56, 6})}})},
        {68, {small(25, 11), small(46, 25), small(36, 29), small(12, 13)},
         join({centreAxes(), {path({5, 26, 14, 26, 24, 16, 38, 16, 48, 6, 57, 6})}})},
        {69, {small(37, 12), small(40, 25), small(22, 13)},
         join({centreAxes(), {path({6, 28, 23, 16, 39, 16, 56, 4})}})},
        {70, {small(24, 11), small(45, 25), small(35, 29), small(17, 24)},
         join({centreAxes(), {path({6, 26, 22, 26, 22, 16, 40, 16, 40, 6, 56, 6})}})},
        {71, {small(36, 14), small(45, 14), small(27, 24), small(16, 25)},
         join({centreAxes(), {path({6, 26, 40, 26, 40, 6}), path({56, 6, 22, 6, 22, 26}),
                              solid({38, 23, 40, 20, 42, 23}), solid({20, 10, 22, 13, 24, 10})}})},
        {72, {small(25, 11), small(45, 25), small(35, 29), small(12, 13)},
         join({centreAxes(), {path({36, 16, 44, 16, 44, 6}), path({56, 6, 36, 6, 36, 16}),
                              path({26, 16, 18, 16, 18, 26}), path({6, 26, 26, 26, 26, 16})}})},
        {73, {after(1, 3, -7, TextSize::Normal, 1), leftAt(8, 23, TextSize::Large)}, {}},
        {74, {small(35, 25), small(14, 13), small(48, 13)},
         join({centreAxes(), {path({6, 21, 31, 16, 47, 3})}})},
        {75, {leftAt(10, 23, TextSize::Large), after(0, 3, -7, TextSize::Normal, 1)}, {}},
        {76, {at(31, 11)}, {path({8, 29, 16, 29, 16, 25, 24, 25, 24, 21, 32, 21, 32, 17, 40, 17, 40, 13, 54, 13}),
                            dashes(8, 29, 54, 14)}},
        {77, {at(31, 11)}, {path({6, 28, 14, 28, 14, 19, 26, 19, 26, 28, 32, 28, 32, 19, 38, 19, 38, 28, 50, 28,
                                  50, 19, 56, 19})}},
        {78, {at(31, 12)}, {line(6, 28, 56, 28), path({6, 25, 20, 25, 20, 17, 34, 17, 34, 22, 46, 22, 46, 16, 56, 16})}},
        {79, {at(31, 22), after(0, 2, -7)}, {}},
        {80, {small(8, 10), small(8, 28)},
         join({axes(18, 16, 16, 58, 2, 29), {path({18, 6, 27, 6, 27, 25, 37, 25, 37, 6, 48, 6, 48, 25, 56, 25})}})},
        {81, {at(31, 11)}, {line(5, 22, 57, 22), path({6, 17, 16, 17, 16, 27, 26, 27, 26, 17, 36, 17, 36, 27,
                                                       46, 27, 46, 17, 56, 17})}},
        {82, {small(12, 9)}, typicalStructure()},
        {83, {small(12, 9), small(50, 9)}, typicalStructure()},
        {84, {at(31, 11)}, join({axes(31, 24, 10, 54, 14, 30), {path({12, 28, 36, 28, 36, 18, 52, 18})}})},
        // Functions of the input, with a sketch of the function.
        {85, {at(31, 11)}, {line(6, 22, 56, 22), plot(Curve::Sine, 8, 22, 46, 7)}},
        {86, {at(31, 11)}, {line(6, 22, 56, 22), plot(Curve::Cosine, 8, 22, 46, 7)}},
        {87, {at(31, 11)}, {line(6, 22, 56, 22), plot(Curve::Tangent, 8, 22, 46, 7)}},
        {88, {at(31, 11)}, {line(6, 22, 56, 22), plot(Curve::Arctan, 8, 22, 46, 7)}},
        {89, {at(31, 11)}, {line(6, 29, 56, 29), plot(Curve::Exp, 8, 29, 46, 14)}},
        {90, {at(31, 11)}, {line(6, 22, 56, 22), plot(Curve::Log, 8, 22, 46, 7)}},
        // Logic gates.
        {91, {at(26, 20)}, {path({18, 5, 18, 27, 41, 16, 18, 5}), line(1, 16, 18, 16), ring(44, 16, 2),
                            line(47, 16, 60, 16)}},
        {92, {}, gate(Gate::And, false)},
        {93, {}, gate(Gate::Or, false)},
        {94, {at(29, 19)}, gate(Gate::And, true)},
        {95, {at(29, 20)}, gate(Gate::Or, true)},
        {96, {at(30, 20)}, gate(Gate::Xor, false)},
        {97, {at(31, 11)}, {path({6, 28, 12, 28, 12, 19, 24, 19, 24, 28, 30, 28, 30, 19, 36, 19, 36, 28, 48, 28,
                                  48, 19, 56, 19})}},
        {98, {small(47, 16), small(14, 12), small(34, 30)},
         join({axes(20, 22, 5, 58, 2, 29), {path({6, 14, 34, 14, 55, 3}), dashes(34, 15, 34, 22)}})},
        {99, {small(46, 10), small(34, 30), small(13, 19)},
         join({axes(20, 22, 5, 58, 2, 29), {path({6, 29, 34, 12, 56, 12}), dashes(34, 13, 34, 22)}})},
        {100, {large(34, 21)}, threeLeads(10)},
        {101, {large(34, 21)}, threeLeads(10)},
        {102, {at(31, 13), at(31, 27)}, {}},
        // Generators: harmonic with a controlled value, pulses, saw-tooth, time functions.
        {103, {at(31, 12), at(31, 27)}, {arrow(34, 23, 22, 23)}},
        {104, {at(31, 12), at(31, 27)}, {arrow(35, 23, 23, 23)}},
        {105, {small(5, 12), small(22, 30), small(42, 30), small(55, 18)},
         join({timeAxes(21, 12), {path({22, 21, 22, 7, 42, 7, 42, 21})}})},
        {106, {}, join({timeAxes(), {path({9, 9, 15, 9, 15, 26, 21, 26, 21, 9, 27, 9, 27, 26, 33, 26, 33, 9,
                                           39, 9, 39, 26, 45, 26, 45, 9, 51, 9, 51, 26, 57, 26})}})},
        {107, {small(19, 30), small(33, 30), small(47, 30), small(5, 11)},
         join({timeAxes(21, 12), {path({19, 21, 33, 5, 47, 21})}})},
        {108, {}, join({timeAxes(), {path({9, 26, 23, 7, 27, 26, 41, 7, 45, 26, 57, 10})}})},
        {109, {small(5, 11), small(5, 28), small(18, 24), small(30, 14), small(54, 25)},
         join({axes(11, 16, 9, 58, 2, 29), {path({11, 26, 24, 26, 24, 6, 36, 6, 36, 26, 48, 26, 48, 6, 57, 6})}})},
        {110, {}, join({axes(9, 16, 7, 58, 2, 29), {path({9, 16, 21, 5, 21, 16, 33, 27, 33, 16, 45, 5, 45, 16, 57, 27})}})},
        {111, {small(5, 11)}, join({timeAxes(26, 12), {path({12, 26, 22, 8, 22, 26, 32, 26, 42, 8, 42, 26, 52, 26})}})},
        {112, {leftAt(12, 13), after(0, 3, -5, TextSize::Index, 1)},
         join({axes(9, 29, 7, 58, 15, 30), {plot(Curve::Exp, 9, 29, 46, 12)}})},
        {113, {leftAt(12, 13), after(0, 3, -5, TextSize::Index, 1)},
         join({axes(9, 29, 7, 58, 15, 30), {plot(Curve::Square, 9, 29, 46, 12)}})},
        {114, {after(1, 2, -2), after(2, 3, -5, TextSize::Index, 1), leftAt(12, 14)},
         join({axes(9, 29, 7, 58, 15, 30), {plot(Curve::Bell, 9, 29, 46, 12)}})},
        {115, {after(1, 4, -5, TextSize::Index, 1), leftAt(10, 13)},
         join({axes(9, 29, 7, 58, 15, 30), {plot(Curve::TExp, 9, 29, 46, 12)}})},
        {116, {after(1, 8, -5, TextSize::Index, 1), leftAt(4, 15, TextSize::Small), after(1, 4, -5, TextSize::Index, 1)},
         join({axes(9, 29, 7, 58, 15, 30), {plot(Curve::T2Exp, 9, 29, 46, 12)}})},
        {117, {small(5, 11), small(21, 30), small(36, 30)},
         join({timeAxes(21, 12), {path({12, 21, 21, 5, 36, 21, 48, 5, 55, 14})}})},
        {118, {at(31, 20), after(0, 3, -5)}, {}},
        {119, {at(31, 13), at(31, 27)}, {}},
        {120, {at(31, 12)}, join({axes(9, 29, 7, 58, 15, 30), {plot(Curve::Log, 11, 29, 44, 12)}})},
        {121, {at(31, 12)}, join({axes(9, 29, 7, 58, 15, 30), {plot(Curve::Log, 11, 29, 44, 12)}})},
        {122, {leftAt(12, 13), after(0, 3, -5, TextSize::Index, 1)},
         join({axes(9, 29, 7, 58, 15, 30), {plot(Curve::Exp, 9, 29, 46, 12)}})},
        {123, {at(31, 13), at(31, 27)}, {}},
        {124, {at(31, 13), at(31, 27)}, {}},
        // Commutators and the multiplexer.
        {125, {}, {line(1, 8, 18, 8), ring(20, 8, 1), line(1, 24, 18, 24), ring(20, 24, 1), ring(43, 16, 1),
                   line(42, 15, 22, 9), line(45, 16, 60, 16), dashes(32, 13, 32, 29)}},
        {126, {at(31, 11)}, {line(1, 17, 18, 17), ring(20, 17, 1), line(1, 27, 18, 27), ring(20, 27, 1),
                              ring(43, 22, 1), line(42, 21, 22, 18), line(45, 22, 60, 22)}},
        // Flip-flops and the counter.
        {127, {}, flipFlop(Top | Bottom, false, false)},
        {128, {}, flipFlop(Top | Bottom, false, true)},
        {129, {at(36, 13)}, flipFlop(Clock, true, false)},
        {130, {}, flipFlop(Top | Clock | Bottom, false, false)},
        {131, {}, flipFlop(Top | Clock | Bottom, false, true)},
        {132, {}, flipFlop(Top | Clock, false, false)},
        {133, {small(19, 28), small(20, 20)}, flipFlop(Top | Clock | Bottom, true, false)},
        {134, {small(19, 12), small(19, 28), small(20, 20), at(36, 13)}, flipFlop(Top | Clock | Bottom, true, true)},
        {135, {small(19, 12)}, flipFlop(Top | Clock, true, false)},
        {136, {at(31, 10)}, {path({22, 12, 40, 16, 40, 26, 22, 30, 22, 12}), line(4, 15, 22, 15), line(4, 19, 22, 19),
                              line(4, 23, 22, 23), line(4, 27, 22, 27), line(40, 21, 58, 21)}},
        {137, {at(17, 20), at(45, 20)}, {path({8, 5, 26, 5, 26, 27, 8, 27, 8, 5}), path({36, 5, 54, 5, 54, 27, 36, 27, 36, 5}),
                                          line(1, 16, 8, 16), line(26, 16, 36, 16), line(54, 16, 60, 16)}},
        // Filters: the name and a sketch of the amplitude response.
        {138, {at(31, 11)}, bode({9, 17, 30, 17, 54, 27})},
        {139, {at(31, 11)}, bode({9, 17, 28, 17, 31, 15, 34, 18, 43, 28})},
        {140, {at(31, 11)}, bode({9, 27, 33, 17, 56, 17})},
        {141, {at(31, 11)}, bode({19, 28, 28, 18, 31, 15, 34, 17, 56, 17})},
        {142, {at(31, 11)}, bode({9, 27, 22, 17, 40, 17, 54, 27})},
        {143, {at(31, 11)}, bode({9, 17, 25, 17, 31, 27, 37, 17, 56, 17})},
        {144, {at(31, 11)}, join({axes(9, 29, 7, 58, 15, 30), {path({9, 26, 18, 19, 28, 23, 40, 17, 54, 20})}})},
    };
    // clang-format on
    return table;
}

}  // namespace

const FaceLayout& faceLayout(int code) {
    static const std::array<FaceLayout, 256> layouts = [] {
        std::array<FaceLayout, 256> all{};
        for (const Row& row : rows()) all[static_cast<std::size_t>(row.code)] = {row.texts, row.shapes};
        return all;
    }();
    if (code < 0 || code > 255) return layouts[0];
    return layouts[static_cast<std::size_t>(code)];
}

bool curvePoint(Curve curve, double s, double& x, double& y) {
    constexpr double pi = std::numbers::pi;
    switch (curve) {
        case Curve::Sine:
            x = s;
            y = std::sin(2 * pi * s);
            return true;
        case Curve::Cosine:
            x = s;
            y = std::cos(2 * pi * s);
            return true;
        case Curve::DampedSine:
            x = s;
            y = std::exp(-1.5 * s) * std::sin(4 * pi * s);
            return true;
        case Curve::Noise: {
            // A fixed irregular signal: linear between twelve samples.
            static constexpr std::array<double, 13> samples = {0.1, 0.7,  -0.4, 0.3, 0.9,  -0.8, -0.2,
                                                               0.5, -0.6, 0.2,  0.8, -0.3, 0.4};
            const double pos = s * (samples.size() - 1);
            const auto i = std::min<std::size_t>(static_cast<std::size_t>(pos), samples.size() - 2);
            x = s;
            y = samples[i] + (samples[i + 1] - samples[i]) * (pos - static_cast<double>(i));
            return true;
        }
        case Curve::Tangent: {
            x = s;
            const double t = std::tan((s - 0.5) * 1.9 * pi);
            y = t / 2.5;
            return std::abs(y) <= 1.0;
        }
        case Curve::Arctan:
            x = s;
            y = std::atan(10 * (s - 0.5)) / std::atan(5.0);
            return true;
        case Curve::Exp:
            x = s;
            y = (std::exp(3 * s) - 1) / (std::exp(3.0) - 1);
            return true;
        case Curve::Log:
            x = std::exp(-3.0) + s * (1 - std::exp(-3.0));
            y = 1 + std::log(x) / 3;
            return true;
        case Curve::Bell:
            x = s;
            y = std::exp(-9 * s * s);
            return true;
        case Curve::TExp:
            x = s;
            y = (s / 0.2) * std::exp(1 - s / 0.2);
            return true;
        case Curve::T2Exp:
            x = s;
            y = (s / 0.35) * (s / 0.35) * std::exp(2 * (1 - s / 0.35));
            return true;
        case Curve::Square:
            x = s;
            y = s * s;
            return true;
        case Curve::StepResponse:
            x = s;
            y = (1 - std::exp(-5 * s) * (std::cos(14 * s) + 5.0 / 14 * std::sin(14 * s))) / 1.35;
            return true;
        case Curve::Nyquist: {
            // 1 / (1 + jw)^3 for w from 0 upwards: from (1, 0) through the lower half plane.
            const double w = std::tan(s * pi / 2 * 0.96);
            const std::complex<double> jw1(1.0, w);
            const std::complex<double> value = 1.0 / (jw1 * jw1 * jw1);
            x = value.real();
            y = value.imag();
            return true;
        }
        case Curve::PhaseSpiral: {
            const double angle = s * 4 * pi;
            const double radius = std::exp(-0.28 * angle);
            x = radius * std::cos(angle);
            y = radius * std::sin(angle);
            return true;
        }
        case Curve::Lissajous:
            x = std::sin(2 * pi * s);
            y = std::sin(4 * pi * s + 0.6);
            return true;
        case Curve::ParabolaDown:
            x = 2 * s - 1;
            y = -x * x;
            return true;
        case Curve::ParabolaUp:
            x = 2 * s - 1;
            y = x * x;
            return true;
    }
    return false;
}

}  // namespace velmar::gui::faces
