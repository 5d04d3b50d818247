#include "core/print/print_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/model/scheme.h"

namespace velmar {

std::optional<CellBounds> usedCells(const Scheme& scheme) {
    std::optional<CellBounds> b;
    for (int col = 0; col < kGridSize; ++col)
        for (int row = 0; row < kGridSize; ++row) {
            const int code = scheme.cell(col, row);
            if (!((code != 0 && !isBlockCode(code)) || scheme.IsBlockCorner(col, row))) continue;
            if (!b) {
                b = CellBounds{col, col, row, row};
                continue;
            }
            b->minCol = std::min(b->minCol, col);
            b->maxCol = std::max(b->maxCol, col);
            b->minRow = std::min(b->minRow, row);
            b->maxRow = std::max(b->maxRow, row);
        }
    return b;
}

bool pageZoomKeyAccepted(char c) { return (c >= '0' && c <= '9') || c == '\b'; }

std::optional<int> zoomPercent(std::string_view text) {
    if (!text.empty() && text.back() == '%') text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

PageZoomChoice commitPageZoom(std::string_view text) {
    using Kind = PageZoomChoice::Kind;
    if (text == kPageWidthText) return {Kind::PageWidth, 0, kPageWidthText};
    if (text == kWholePageText) return {Kind::WholePage, 0, kWholePageText};
    const auto percent = zoomPercent(text);
    if (!percent) return {Kind::Refused, 0, std::string(text)};
    const int p = *percent > kMaxPageZoom ? kMaxPageZoom : *percent <= 0 ? kMinPageZoom : *percent;
    return {Kind::Percent, p, std::to_string(p) + "%"};
}

int fittingZoom(double panel, double page) {
    if (page <= 0) return 100;
    return static_cast<int>(std::lround(panel * 100.0 / page));
}

Placement initialPlacement(double pageWidth, double width, double height) {
    const double left = width < pageWidth ? (pageWidth - width) / 2 : 0;
    return {left, 2, width, height};
}

Placement pulledInside(Placement p, double pageWidth, double pageHeight) {
    p.left = std::max(1.0, std::min(p.left, pageWidth - p.width));
    p.top = std::max(1.0, std::min(p.top, pageHeight - p.height));
    return p;
}

}  // namespace velmar
