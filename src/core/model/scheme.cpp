#include "core/model/scheme.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

namespace velmar {

namespace {

std::array<bool, 256> pieceCodes() {
    std::array<bool, 256> p{};
    for (int c = 0; c < 256; ++c) p[static_cast<std::size_t>(c)] = blockInfo(c).isPiece();
    return p;
}

// Whether a code is a piece (the empty cell, an arrow, a line piece): asked of every
// cell around every block put down, so a file's cells are laid at table speed.
const std::array<bool, 256> kPieceCodes = pieceCodes();
bool isPieceCode(std::uint8_t code) { return kPieceCodes[code]; }

}  // namespace

Scheme::Scheme() = default;
Scheme::~Scheme() = default;

void Scheme::changed(int col, int row, int cols, int rows) const {
    if (onCellsChanged) onCellsChanged(col, row, cols, rows);
}

bool Scheme::IsBlockCorner(int col, int row) const {
    const std::uint8_t code = cell(col, row);
    if (!isBlockCode(code)) return false;
    return cell(col + 1, row + 1) == code && cell(col + 2, row + 2) == code &&
           cell(col - 1, row - 1) != code && cell(col + 3, row + 3) != code;
}

Cell Scheme::ElementCorner(int col, int row) const {
    const std::uint8_t code = cell(col, row);
    if (isBlockCode(code)) {
        while (row > 0 && cell(col, row - 1) == code) --row;
        while (col > 0 && cell(col - 1, row) == code) --col;
    }
    return {col, row};
}

Element* Scheme::ElementAt(int col, int row) const {
    if (blockInfo(cell(col, row)).isPiece()) return nullptr;
    const Cell corner = ElementCorner(col, row);
    for (const auto& e : elements_)
        if (e->Col == corner.col && e->Row == corner.row) return e.get();
    return nullptr;
}

int Scheme::FindElementAt(int col, int row) const {
    const Element* e = ElementAt(col, row);
    return e ? e->Number : 0;
}

int Scheme::elementsIn(int c1, int r1, int c2, int r2) const {
    int count = 0;
    auto meets = [&](int col, int row, int size) {
        if (col + size - 1 >= c1 && col <= c2 && row + size - 1 >= r1 && row <= r2) ++count;
    };
    if (!laying_) {
        for (const auto& e : elements_) meets(e->Col, e->Row, e->info().cells);
        return count;
    }
    // A square reaching into the area has its top-left cell at most two cells before it.
    for (int c = std::max(c1 - 2, 0); c <= std::min(c2, kGridSize - 1); ++c)
        for (int r = std::max(r1 - 2, 0); r <= std::min(r2, kGridSize - 1); ++r)
            if (laidCorners_[static_cast<size_t>(c * kGridSize + r)])
                meets(c, r, blockInfo(grid_[c][r]).cells);
    return count;
}

void Scheme::eraseElementsIn(int c1, int r1, int c2, int r2) {
    c1 = std::max(c1, 0);
    r1 = std::max(r1, 0);
    c2 = std::min(c2, kGridSize - 1);
    r2 = std::min(r2, kGridSize - 1);
    for (int c = c1; c <= c2; ++c)
        for (int r = r1; r <= r2; ++r)
            if (!isPieceCode(grid_[c][r])) EraseCell(c, r);
}

bool Scheme::PutCell(int col, int row, std::uint8_t code) {
    if (!inGrid(col, row) || code >= kCodeCount) return false;
    const BlockInfo& info = blockInfo(code);
    if (info.isPiece()) {
        if (!isPieceCode(grid_[col][row])) EraseCell(col, row);
        grid_[col][row] = code;
        changed(col, row, 1, 1);
        return true;
    }
    const int size = info.cells;
    if (col + size - 1 >= kGridSize || row + size - 1 >= kGridSize) return false;
    const bool needsElement = info.hasElement();
    const int c1 = col - 1, r1 = row - 1, c2 = col + size, r2 = row + size;  // with the ring around it
    if (needsElement && ElementCount() >= kMaxElements &&
        ElementCount() - elementsIn(c1, r1, c2, r2) >= kMaxElements)
        return false;
    eraseElementsIn(c1, r1, c2, r2);
    for (int c = col; c < col + size; ++c)
        for (int r = row; r < row + size; ++r) grid_[c][r] = code;
    changed(col, row, size, size);
    if (needsElement) InsertElement(col, row, code);
    return true;
}

void Scheme::clearElementCells(int col, int row, std::uint8_t code) {
    const int size = blockInfo(code).cells;
    for (int c = col; c < col + size && c < kGridSize; ++c)
        for (int r = row; r < row + size && r < kGridSize; ++r)
            if (grid_[c][r] == code) grid_[c][r] = 0;
    changed(col, row, size, size);
}

void Scheme::EraseCell(int col, int row) {
    if (!inGrid(col, row)) return;
    const std::uint8_t code = grid_[col][row];
    if (code == 0) return;
    if (isPieceCode(code)) {
        grid_[col][row] = 0;
        changed(col, row, 1, 1);
        return;
    }
    const Cell corner = ElementCorner(col, row);
    RemoveElement(corner.col, corner.row);
    clearElementCells(corner.col, corner.row, code);
}

Element* Scheme::InsertElement(int col, int row, std::uint8_t code) {
    if (ElementCount() >= kMaxElements) return nullptr;
    if (laying_) {
        laidCorners_[static_cast<size_t>(col * kGridSize + row)] = true;
        ++laidCount_;
        return nullptr;
    }
    std::unique_ptr<Element> e = elementFactory ? elementFactory(code) : CreateElement(code);
    if (!e) return nullptr;
    e->Col = static_cast<std::uint8_t>(col);
    e->Row = static_cast<std::uint8_t>(row);
    const ListPlace place = listPlace(*e);
    const auto at = std::find_if(elements_.begin(), elements_.end(),
                                 [&](const auto& x) { return listPlace(*x) >= place; });
    Element* raw = e.get();
    const auto number = static_cast<std::size_t>(at - elements_.begin()) + 1;
    elements_.insert(at, std::move(e));
    // The labels of the elements after it move up with their numbers; the new one has none.
    for (std::size_t k = elements_.size(); k > number; --k) Labels[k] = std::move(Labels[k - 1]);
    Labels[number].clear();
    Renumber();
    return raw;
}

void Scheme::RemoveElement(int col, int row) {
    if (laying_) {
        if (!inGrid(col, row) || !laidCorners_[static_cast<size_t>(col * kGridSize + row)]) return;
        laidCorners_[static_cast<size_t>(col * kGridSize + row)] = false;
        --laidCount_;
        return;
    }
    const auto at = std::find_if(elements_.begin(), elements_.end(),
                                 [&](const auto& x) { return x->Col == col && x->Row == row; });
    if (at == elements_.end()) return;
    (*at)->ReleaseResults();
    const auto place = static_cast<std::size_t>(at - elements_.begin()) + 1;
    elements_.erase(at);
    // The label goes with its element; those after it move down with their numbers.
    for (std::size_t k = place; k <= elements_.size(); ++k) Labels[k] = std::move(Labels[k + 1]);
    Labels[elements_.size() + 1].clear();
    Renumber();
}

void Scheme::LayCells(const std::vector<PlacedCell>& cells) {
    if (!elements_.empty()) throw std::logic_error("LayCells needs a scheme without elements");
    laidCorners_.assign(static_cast<size_t>(kGridSize * kGridSize), false);
    laidCount_ = 0;
    laying_ = true;
    for (const PlacedCell& c : cells) PutCell(c.col, c.row, c.code);
    laying_ = false;
    // Column by column, row by row, then into the list's own order.
    for (int c = 0; c < kGridSize; ++c)
        for (int r = 0; r < kGridSize; ++r)
            if (laidCorners_[static_cast<size_t>(c * kGridSize + r)]) {
                std::unique_ptr<Element> e =
                    elementFactory ? elementFactory(grid_[c][r]) : CreateElement(grid_[c][r]);
                if (!e) continue;
                e->Col = static_cast<std::uint8_t>(c);
                e->Row = static_cast<std::uint8_t>(r);
                elements_.push_back(std::move(e));
            }
    std::stable_sort(elements_.begin(), elements_.end(),
                     [](const auto& a, const auto& b) { return listPlace(*a) < listPlace(*b); });
    laidCorners_.clear();
    laidCorners_.shrink_to_fit();
    Renumber();
}

void Scheme::Renumber() {
    for (size_t i = 0; i < elements_.size(); ++i) elements_[i]->Number = static_cast<std::uint8_t>(i + 1);
}

void Scheme::NewScheme() {
    for (auto& column : grid_) column.fill(0);
    elements_.clear();
    ClearLabels();  // they went with their elements
    ConnectErrors.clear();
    changed(0, 0, kGridSize, kGridSize);
}

void Scheme::swap(Scheme& other) {
    std::swap(grid_, other.grid_);
    std::swap(elements_, other.elements_);
    std::swap(Labels, other.Labels);
    std::swap(SchemeComment, other.SchemeComment);
    std::swap(mark, other.mark);
    std::swap(ConnectErrors, other.ConnectErrors);
    changed(0, 0, kGridSize, kGridSize);
    other.changed(0, 0, kGridSize, kGridSize);
}

void Scheme::ClearLabels() {
    for (auto& label : Labels) label.clear();
}

}  // namespace velmar
