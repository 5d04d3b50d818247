// What the D-decomposition window shows of a map: cells, legend and read-out.
#include "core/analysis/d_decomposition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace velmar {
namespace {

DDecompositionMap mapOf(Extended x0, Extended x1, Extended y0, Extended y1, int nx, int ny, int count = 0) {
    DDecompositionMap m{"K3", "T4", x0, x1, y0, y1, nx, ny, {}, false};
    m.counts.assign(static_cast<size_t>((nx + 1) * (ny + 1)), count);
    return m;
}

// One cell per axis: four cells as large as the picture (plus the pixel of overlap),
// centred on the corners. X 0..2 over 200 pixels, Y 10..20 over 100: cw = 201,
// ch = 101; the half cells round to even (-100.5 -> -100, 99.5 -> 100, 150.5 -> 150).
TEST(DDecompositionPicture, OneCellPerAxisCentresFourCellsOnTheCorners) {
    DDecompositionMap m = mapOf(0, 2, 10, 20, 1, 1);
    m.counts = {0, 1, DDecompositionMap::kUndetermined, 7};
    const Rgb green{0, 128, 0}, blue{0, 0, 255}, red{255, 0, 0}, white{255, 255, 255};
    EXPECT_EQ(paintedCells(m, 200, 100), (std::vector<PaintedCell>{
                                             {-100, 49, 201, 101, green, 0, 0},
                                             {100, 49, 201, 101, blue, 1, 0},
                                             {-100, -51, 201, 101, red, 0, 1},
                                             {100, -51, 201, 101, white, 1, 1},
                                         }));
}

// Whatever the sizes, the cells cover the whole picture, each centred on its point.
TEST(DDecompositionPicture, CellsCoverThePictureWithoutGaps) {
    struct Case {
        Extended x0, x1, y0, y1;
        int nx, ny, width, height;
    } cases[] = {{0, 1, 0, 1, 10, 5, 300, 200},
                 {-3, 7.5L, 0.1L, 0.35L, 37, 23, 411, 257},
                 {0, 1, 0, 1, 100, 100, 250, 250}};
    for (const Case& c : cases) {
        const DDecompositionMap m = mapOf(c.x0, c.x1, c.y0, c.y1, c.nx, c.ny);
        const std::vector<PaintedCell> cells = paintedCells(m, c.width, c.height);
        ASSERT_EQ(cells.size(), static_cast<size_t>((c.nx + 1) * (c.ny + 1)));
        std::vector<char> covered(static_cast<size_t>(c.width * c.height), 0);
        for (const PaintedCell& cell : cells) {
            const Extended cx = (gridX(m, cell.i) - c.x0) * c.width / (c.x1 - c.x0);
            const Extended cy = (c.y1 - gridY(m, cell.j)) * c.height / (c.y1 - c.y0);
            EXPECT_LE(std::fabs(cell.left + cell.width / 2.0L - cx), 1) << cell.i;
            EXPECT_LE(std::fabs(cell.top + cell.height / 2.0L - cy), 1) << cell.j;
            for (int y = std::max(cell.top, 0); y < std::min(cell.top + cell.height, c.height); ++y)
                for (int x = std::max(cell.left, 0); x < std::min(cell.left + cell.width, c.width); ++x)
                    covered[static_cast<size_t>(y * c.width + x)] = 1;
        }
        EXPECT_EQ(std::count(covered.begin(), covered.end(), 0), 0) << c.nx << " x " << c.ny;
    }
}

TEST(DDecompositionPicture, PointsNotScannedAreNotPainted) {
    DDecompositionMap m = mapOf(0, 1, 0, 1, 2, 1, 3);
    m.counts[1] = m.counts[4] = DDecompositionMap::kNotScanned;
    const auto cells = paintedCells(m, 90, 60);
    ASSERT_EQ(cells.size(), 4u);
    for (const PaintedCell& c : cells) EXPECT_NE(c.i, 1);
    EXPECT_EQ(cells[0].colour, (Rgb{0, 255, 255}));
}

// The read-out at a cell's lower left corner names its grid point (within a pixel).
TEST(DDecompositionPicture, ReadOutAtACellsLowerLeftCornerIsItsPoint) {
    const DDecompositionMap m = mapOf(-1, 3, 0.5L, 1.5L, 8, 4);
    const int width = 400, height = 400;  // cw = 51, ch = 101
    for (const PaintedCell& c : paintedCells(m, width, height)) {
        const ReadOut r = ReadOutAt(m, width, height, c.left, c.top + c.height);
        EXPECT_NEAR(r.x, gridX(m, c.i), 4.0L / width);
        EXPECT_NEAR(r.y, gridY(m, c.j), 1.0L / height);
    }
    const ReadOut r = ReadOutAt(m, width, height, 7, 0);
    EXPECT_NEAR(r.x, -1 + 32.5L / 100, 1e-15L);
    EXPECT_NEAR(r.y, 1.5L + 50.5L / 400, 1e-15L);
    EXPECT_EQ(r.xText, "-0.675");
    EXPECT_EQ(r.yText, "1.626");
}

// The axes name the ranges as they were typed, not the 6-byte reals widened in full.
TEST(DDecompositionPicture, AxisLabelsShowTheEndsAsTyped) {
    const DDecompositionMap m = mapOf(Real48(0.1L), Real48(3.1L), Real48(-12.2L), Real48(1e-3L), 4, 4);
    const AxisLabels a = axisLabelsOf(m);
    EXPECT_EQ(a.xBegin, "0.1");
    EXPECT_EQ(a.xEnd, "3.1");
    EXPECT_EQ(a.yBegin, "-12.2");
    EXPECT_EQ(a.yEnd, "0.001");
    EXPECT_EQ(a.xName, "K3");
}

TEST(DDecompositionPicture, ReadOutTextKeepsFiveDigitsAndThreeDecimals) {
    const std::pair<Extended, const char*> cases[] = {
        {1.23456L, "1.235"},
        {123.456L, "123.46"},
        {12345.6L, "12346"},
        {-0.5L, "-0.5"},
        {0, "0"},
        {0.0001L, "0"},
        {2, "2"},
        {-0.0004L, "0"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(readOutText(value), text) << value;
}

}  // namespace
}  // namespace velmar
