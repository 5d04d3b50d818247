// The layout of every block face: where each face text of the catalogue goes and which
// lines, arrows, curves and frames make the block recognisable. Coordinates are pixels
// of the 62 x 32 block picture, (0, 0) its top-left; the painter draws the outer frame
// itself. Used by the cell painter only.
#pragma once

#include <cstdint>
#include <vector>

namespace velmar::gui::faces {

// Normal for names and formulas, Small for labels of axes and levels, Index for
// exponents and indices, Large for a lone symbol.
enum class TextSize : std::uint8_t { Normal, Small, Index, Large };

// The placement of one face text, in the catalogue's drawing order.
struct TextPlace {
    int x = 0;  // the centre of the text, its left end, or the offset from its anchor
    int y = 0;  // the baseline, or the offset from the anchor's baseline
    TextSize size = TextSize::Normal;
    bool centred = true;
    // An exponent or index follows another face text: its first visible character
    // starts where `anchorChars` characters of face text `anchor` end, plus x.
    int anchor = -1;
    int anchorChars = 0;
};

// Functions drawn as curves, each in its own natural units (see curvePoint).
enum class Curve : std::uint8_t {
    Sine,
    Cosine,
    DampedSine,
    Noise,
    Tangent,
    Arctan,
    Exp,
    Log,
    Bell,
    TExp,
    T2Exp,
    Square,
    StepResponse,
    Nyquist,
    PhaseSpiral,
    Lissajous,
    ParabolaDown,
    ParabolaUp,
};

struct Shape {
    enum class Kind : std::uint8_t {
        Lines,    // a polyline through the points x0, y0, x1, y1, ...
        Polygon,  // a filled polygon through the points
        Ring,     // an ellipse outline: centre x, y, radii rx, ry
        Disc,     // a filled ellipse: centre x, y, radii rx, ry
        Arrow,    // a line from x0, y0 to x1, y1 with a filled head at the end
        Arc,      // part of an ellipse: bounding box x, y, w, h, start and span in degrees
        Bezier,   // a quadratic curve: start, control point, end
        Plot,     // `curve` with its origin at x, y and scales sx, sy (pixels per unit)
        Dashes,   // a dashed line from x0, y0 to x1, y1
    };
    Kind kind = Kind::Lines;
    std::vector<int> v;
    Curve curve = Curve::Sine;
};

struct FaceLayout {
    std::vector<TextPlace> texts;  // one per face text of the catalogue
    std::vector<Shape> shapes;     // drawn before the texts
};

// The layout of a block code 22..144; codes without one give an empty layout.
const FaceLayout& faceLayout(int code);

// A point of a curve for the parameter s in [0, 1], in the curve's own units (x to the
// right, y up); false where the curve has a break (the branches of the tangent).
bool curvePoint(Curve curve, double s, double& x, double& y);

}  // namespace velmar::gui::faces
