// D-decomposition: the plane of two block parameters divided into regions with the
// same number of right roots of the characteristic polynomial. The map itself
// (DDecompositionMap, host.h) holds the ranges, the grid sizes and one count per grid
// point; this file gives what its window shows of it: the grid coordinates, the cells
// painted for a picture of a given size, the legend and the mouse read-out.
//
// Grid point (i, j), i = 0..nx, j = 0..ny, lies at x = X(begin) + i * dx,
// y = Y(begin) + j * dy with dx = (X(end) - X(begin)) / nx, dy likewise, so both ends
// of each range are grid points.
//
// Painting a picture of W x H pixels: sx = W / (X(end) - X(begin)) and
// sy = H / (Y(end) - Y(begin)) pixels per unit; every cell is cw = rnd(sx dx) + 1
// pixels wide and ch = rnd(sy dy) + 1 high and centred on its grid point: its left
// column is rnd(sx (x - X(begin)) - cw / 2), its lower edge rnd(sy (Y(end) - y) + ch / 2)
// with the cell's rows above it. rnd rounds to the nearest integer, ties to even.
// Neighbouring cells overlap by a pixel; they are painted in scan order, row by row
// from Y(begin).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/host.h"
#include "core/model/polynomial.h"

namespace velmar {

Extended gridX(const DDecompositionMap& map, int i);
Extended gridY(const DDecompositionMap& map, int j);
// (nx + 1) * (ny + 1).
int gridPointCount(const DDecompositionMap& map);

// The number of right roots of D(s) by the Routh table, or
// DDecompositionMap::kUndetermined when the table stops.
int rightRootCount(const Polynomial& d);

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// The legend colour of a count: 0 green (0, 128, 0), 1 blue, 2 yellow, 3 aqua, 4 lime,
// 5 and more white, undetermined red.
Rgb legendColour(int count);

// The window's texts in the interface language: English and Romanian share one set,
// Russian has its own.
struct DDecompositionTexts {
    std::string caption;        // "D Composition"
    std::string fiveAndMore;    // "5 and more"
    std::string cantDetermine;  // "Can't determine"
    std::string legend;         // "Legend", the legend panel
    std::string rightRoots;     // "Number of Right roots:", the legend's heading
};
const DDecompositionTexts& DDecompositionTextsFor(bool russian);

// The legend rows, top to bottom: "0" .. "4", "5 and more", "Can't determine".
struct LegendRow {
    Rgb colour;
    std::string caption;
};
std::vector<LegendRow> legendRows(bool russian);

// The axis labels: the range ends as a value dialog shows them, and the names.
struct AxisLabels {
    std::string xBegin, xEnd, yBegin, yEnd;
    std::string xName, yName;
};
AxisLabels axisLabelsOf(const DDecompositionMap& map);

// One filled rectangle of the picture: columns left .. left + width - 1, rows
// top .. top + height - 1 (top is the lower edge minus the height); the grid point it
// belongs to. Points a stopped scan did not reach are not painted.
struct PaintedCell {
    int left = 0, top = 0, width = 0, height = 0;
    Rgb colour;
    int i = 0, j = 0;
    friend bool operator==(const PaintedCell&, const PaintedCell&) = default;
};
std::vector<PaintedCell> paintedCells(const DDecompositionMap& map, int width, int height);

// The parameter values under the cursor while the left button is held:
// X = X(begin) + (cursor x + cw / 2) / sx, Y = Y(end) - (cursor y - ch / 2) / sy, and
// their texts with at most 5 significant digits and 3 decimals.
struct ReadOut {
    Extended x = 0, y = 0;
    std::string xText, yText;
};
ReadOut ReadOutAt(const DDecompositionMap& map, int width, int height, int cursorX, int cursorY);
std::string readOutText(Extended value);

}  // namespace velmar
