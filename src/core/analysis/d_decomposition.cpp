#include "core/analysis/d_decomposition.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/analysis/stability.h"
#include "core/numtext.h"

namespace velmar {

namespace {

int rnd(Extended v) { return static_cast<int>(std::nearbyint(v)); }

// Pixels per unit and the cell size in pixels of a picture.
struct Scale {
    Extended sx, sy;
    int cw, ch;

    Scale(const DDecompositionMap& m, int width, int height) {
        const Extended xSpan = m.xEnd - m.xBegin, ySpan = m.yEnd - m.yBegin;
        sx = width / xSpan;
        sy = height / ySpan;
        cw = rnd(sx * (xSpan / m.nx)) + 1;
        ch = rnd(sy * (ySpan / m.ny)) + 1;
    }
};

}  // namespace

Extended gridX(const DDecompositionMap& map, int i) {
    return map.xBegin + i * ((map.xEnd - map.xBegin) / map.nx);
}

Extended gridY(const DDecompositionMap& map, int j) {
    return map.yBegin + j * ((map.yEnd - map.yBegin) / map.ny);
}

int gridPointCount(const DDecompositionMap& map) { return (map.nx + 1) * (map.ny + 1); }

int rightRootCount(const Polynomial& d) {
    const RouthResult routh = routhTable(d);
    return routh.determined ? routh.rightRoots : DDecompositionMap::kUndetermined;
}

Rgb legendColour(int count) {
    static constexpr Rgb kByCount[] = {{0, 128, 0}, {0, 0, 255}, {255, 255, 0}, {0, 255, 255}, {0, 255, 0}};
    if (count == DDecompositionMap::kUndetermined) return {255, 0, 0};
    if (count >= 5) return {255, 255, 255};
    return kByCount[std::max(count, 0)];
}

const DDecompositionTexts& DDecompositionTextsFor(bool russian) {
    static const DDecompositionTexts kEnglish{"D Composition", "5 and more", "Can't determine", "Legend",
                                              "Number of Right roots:"};
    static const DDecompositionTexts kRussian{"D - разбиение", "5 и более", "Неопределимо", "Цвета",
                                              "Число правых корней"};
    return russian ? kRussian : kEnglish;
}

std::vector<LegendRow> legendRows(bool russian) {
    const DDecompositionTexts& texts = DDecompositionTextsFor(russian);
    std::vector<LegendRow> rows;
    for (int count = 0; count <= 4; ++count) rows.push_back({legendColour(count), std::to_string(count)});
    rows.push_back({legendColour(5), texts.fiveAndMore});
    rows.push_back({legendColour(DDecompositionMap::kUndetermined), texts.cantDetermine});
    return rows;
}

AxisLabels axisLabelsOf(const DDecompositionMap& map) {
    // The ends as they were typed: a 6-byte real widened in full shows 3.1 as
    // 3.09999999999854.
    return {valueText(map.xBegin), valueText(map.xEnd), valueText(map.yBegin),
            valueText(map.yEnd),   map.xName,           map.yName};
}

std::vector<PaintedCell> paintedCells(const DDecompositionMap& map, int width, int height) {
    const Scale s(map, width, height);
    std::vector<PaintedCell> cells;
    for (int j = 0; j <= map.ny; ++j)
        for (int i = 0; i <= map.nx; ++i) {
            const int count = map.count(i, j);
            if (count == DDecompositionMap::kNotScanned) continue;
            const int left = rnd(s.sx * (gridX(map, i) - map.xBegin) - s.cw / 2.0L);
            const int bottom = rnd(s.sy * (map.yEnd - gridY(map, j)) + s.ch / 2.0L);
            cells.push_back({left, bottom - s.ch, s.cw, s.ch, legendColour(count), i, j});
        }
    return cells;
}

std::string readOutText(Extended value) {
    const Extended magnitude = std::fabs(value);
    if (magnitude >= 99999.5L) return generalText(value, 5, 1);
    const int integerDigits = magnitude < 1 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    const int decimals = std::clamp(5 - integerDigits, 0, 3);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

ReadOut ReadOutAt(const DDecompositionMap& map, int width, int height, int cursorX, int cursorY) {
    const Scale s(map, width, height);
    ReadOut r;
    r.x = map.xBegin + (cursorX + s.cw / 2.0L) / s.sx;
    r.y = map.yEnd - (cursorY - s.ch / 2.0L) / s.sy;
    r.xText = readOutText(r.x);
    r.yText = readOutText(r.y);
    return r;
}

}  // namespace velmar
