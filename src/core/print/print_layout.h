// The print preview's arithmetic: the part of the canvas a scheme print takes, the
// page and object zooms and their typed texts, and where the picture sits on the page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmar {

class Scheme;

// The used cells of a scheme: block corners and every cell holding a code 1..21.
struct CellBounds {
    int minCol = 0, maxCol = 0, minRow = 0, maxRow = 0;
    // The picture of these cells: 21 x 11 pixels a cell, plus a block's size.
    int imageWidth() const { return (maxCol - minCol) * 21 + 93; }
    int imageHeight() const { return (maxRow - minRow) * 11 + 45; }
    // The canvas pixel of the picture's origin.
    int canvasLeft() const { return minCol * 21 - 21; }
    int canvasTop() const { return minRow * 11 - 11; }
};
std::optional<CellBounds> usedCells(const Scheme& scheme);

// The page-zoom box: "150%" ... "10%", "Page Width", "Whole Page".
inline constexpr const char* kPageWidthText = "Page Width";
inline constexpr const char* kWholePageText = "Whole Page";
inline constexpr int kMaxPageZoom = 150;
inline constexpr int kMinPageZoom = 10;

// Only digits and Backspace may be typed into the page-zoom box.
bool pageZoomKeyAccepted(char c);

// What a committed page-zoom text gives: the fitting choices are kept, a number 1..150
// gets a "%", more becomes "150%", 0 or less "10%"; anything else is refused (the focus
// stays in the box).
struct PageZoomChoice {
    enum class Kind { Percent, PageWidth, WholePage, Refused };
    Kind kind = Kind::Refused;
    int percent = 0;   // for Percent
    std::string text;  // what the box then shows
};
PageZoomChoice commitPageZoom(std::string_view text);

// The percent of a zoom text with or without its "%"; nothing when it is not an integer.
std::optional<int> zoomPercent(std::string_view text);

// The percent that fits the page's width (or height) into the panel's, rounded.
int fittingZoom(double panel, double page);

// A rectangle in page pixels at 100 % page zoom.
struct Placement {
    double left = 0, top = 0, width = 0, height = 0;
    Placement zoomed(int percent) const {
        const double f = percent / 100.0;
        return {left * f, top * f, width * f, height * f};
    }
};

// A picture placed afresh: centred across the page when narrower than it, 2 pixels
// from the top.
Placement initialPlacement(double pageWidth, double width, double height);

// Keeps a picture of the given size on the page: left and top are pulled back so that
// it fits, but stay at least 1.
Placement pulledInside(Placement p, double pageWidth, double pageHeight);

}  // namespace velmar
