// The scheme model: the cell grid of what is drawn where, and the element list of the
// nodes and blocks with their parameters, kept consistent by the operations below.
//
// Grid: 91 x 91 cell codes indexed [column][row], 0..90. Codes 1..16 are drawing pieces
// (arrows, line pieces), 17..21 one-cell nodes, 22..143 blocks on a 3 x 3 square (all
// nine cells hold the code; the block's position is its top-left cell), 144 the user
// function, a block the scheme file keeps no record of. Connections are not stored: they exist only as drawn pieces and
// are traced when the scheme is compiled.
//
// Invariants kept by PutCell and EraseCell:
// - every cell with a code 17..21 and every top-left cell of a block square of a code
//   22..144 has exactly one element with that Col, Row and Code; no other element exists;
// - no element cell lies in the ring of cells around another element (placing a node
//   clears elements in its 3 x 3 neighbourhood, a block those in its 5 x 5 area).
//
// ElementList is sorted by (Col, Row), the blocks kept beside the scheme file (144) after
// all others (ListPlace); Number is the 1-based position in it, reassigned after every
// insertion and removal. A label belongs to its element: every renumbering carries it
// along, and it goes when the element goes.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/model/cell.h"
#include "core/model/element.h"

namespace velmar {

inline constexpr int kGridSize = 91;  // cells 0..90 in each direction
inline constexpr int GridMax = 87;
inline constexpr int kMaxElements = 255;

// The marked block: the rectangle between two corners; empty when right < left or
// bottom < top.
struct Mark {
    int left = 1, top = 1, right = 0, bottom = 0;
    bool empty() const { return right < left || bottom < top; }
    bool contains(int c, int r) const {
        return !empty() && c >= left && c <= right && r >= top && r <= bottom;
    }
};

// An element's place in the list. The blocks kept beside the scheme file come last, so
// every other element has the number it has where the file is read as one without them.
struct ListPlace {
    bool keptBeside;
    int col, row;
    auto operator<=>(const ListPlace&) const = default;
};
inline ListPlace listPlace(int col, int row, std::uint8_t code) {
    return {blockInfo(code).keptBeside, col, row};
}
inline ListPlace listPlace(const Element& e) { return listPlace(e.Col, e.Row, e.Code); }

class Scheme {
public:
    Scheme();
    ~Scheme();

    std::uint8_t cell(int col, int row) const { return inGrid(col, row) ? grid_[col][row] : 0; }
    static bool inGrid(int col, int row) {
        return col >= 0 && col < kGridSize && row >= 0 && row < kGridSize;
    }

    // Stores a code as the editor puts it down (see the invariants). Returns false, with
    // nothing changed, when the code cannot be placed there: a block reaching past the
    // grid, a code above 144, or a new element while the list already holds 255.
    bool PutCell(int col, int row, std::uint8_t code);
    // Puts the cells down on an empty scheme as PutCell would, one after another, but
    // makes the element objects once at the end (each with its defaults): a file's cells
    // are read in time proportional to their number, however often an element is put
    // down and swept away again. The scheme must hold no element.
    struct PlacedCell {
        std::uint8_t col, row, code;
    };
    void LayCells(const std::vector<PlacedCell>& cells);
    // Erases the cell; a block is erased whole from whichever of its cells.
    void EraseCell(int col, int row);
    // Creates and links an element at (col, row); nothing when 255 are present or the
    // code has no element type.
    Element* InsertElement(int col, int row, std::uint8_t code);
    void RemoveElement(int col, int row);
    void Renumber();
    bool IsBlockCorner(int col, int row) const;
    // The top-left cell of the element covering (col, row): the cell itself for a node,
    // the square's corner for a block.
    Cell ElementCorner(int col, int row) const;
    // The number of the element covering the cell, 0 when there is none.
    int FindElementAt(int col, int row) const;
    Element* ElementAt(int col, int row) const;  // the element covering the cell, or null
    // Empties the grid, removing every element with its label, and clears the fault cells.
    void NewScheme();
    // Exchanges everything drawn and kept (grid, elements, labels, comment, mark, fault
    // cells) with another scheme; each keeps its own onCellsChanged, which is told that
    // the whole grid changed. A reader fills a scratch scheme and takes it over only
    // when the whole file was understood.
    void swap(Scheme& other);

    int ElementCount() const { return laying_ ? laidCount_ : static_cast<int>(elements_.size()); }
    const std::vector<std::unique_ptr<Element>>& ElementList() const { return elements_; }
    Element& element(int number) const { return *elements_[static_cast<size_t>(number - 1)]; }

    // Labels[1..255]: the caption of the element of each number, kept in step with the
    // numbers by InsertElement and RemoveElement.
    std::array<std::string, kMaxElements + 1> Labels;
    void ClearLabels();
    std::string SchemeComment;  // at most 255 characters, kept with the scheme file
    Mark mark;
    std::vector<Cell> ConnectErrors;  // fault cells found by the last compilation

    // Told about every changed rectangle of cells (col, row, columns, rows), so a view
    // can redraw just that part.
    std::function<void(int, int, int, int)> onCellsChanged;

    // Makes the element objects of this scheme, those its file readers create included;
    // CreateElement when empty. Tests put their own element types into a scheme
    // through it.
    std::function<std::unique_ptr<Element>(std::uint8_t)> elementFactory;

private:
    void changed(int col, int row, int cols, int rows) const;
    void eraseElementsIn(int c1, int r1, int c2, int r2);
    int elementsIn(int c1, int r1, int c2, int r2) const;
    void clearElementCells(int col, int row, std::uint8_t code);

    std::array<std::array<std::uint8_t, kGridSize>, kGridSize> grid_{};
    std::vector<std::unique_ptr<Element>> elements_;
    // While LayCells runs, elements are only marked at their top-left cells.
    bool laying_ = false;
    int laidCount_ = 0;
    std::vector<bool> laidCorners_;  // [col * kGridSize + row]
};

}  // namespace velmar
