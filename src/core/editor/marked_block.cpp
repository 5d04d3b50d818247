#include "core/editor/marked_block.h"

#include "core/model/catalogue.h"
#include "core/model/element_carry.h"
#include "core/model/scheme_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace velmar::editor {

namespace {

// The cells from (left, top) to (right + 4, bottom + 4): the margin lets a block that
// starts inside the mark be recognised whole.
class Snapshot {
public:
    Snapshot(const Scheme& s, const Mark& m)
        : cols_(m.right - m.left + 5),
          rows_(m.bottom - m.top + 5),
          cells_(static_cast<std::size_t>(cols_ * rows_)) {
        for (int i = 0; i < cols_; ++i)
            for (int j = 0; j < rows_; ++j)
                cells_[static_cast<std::size_t>(i * rows_ + j)] = s.cell(m.left + i, m.top + j);
    }
    std::uint8_t at(int i, int j) const {
        return i < cols_ && j < rows_ ? cells_[static_cast<std::size_t>(i * rows_ + j)] : 0;
    }

private:
    int cols_, rows_;
    std::vector<std::uint8_t> cells_;
};

void eraseMarkCells(Scheme& scheme, const Mark& m) {
    for (int c = m.left; c <= m.right; ++c)
        for (int r = m.top; r <= m.bottom; ++r)
            if (scheme.cell(c, r) != 0) scheme.PutCell(c, r, 0);
}

}  // namespace

void copyMarkedBlock(Scheme& scheme, Cell to, bool move) {
    const Mark m = scheme.mark;
    if (m.empty()) return;
    const Snapshot copy(scheme, m);
    // What is put down, found before a move erases the source: each element with what
    // it carries, so that it lands with its parameters, marks and label.
    struct Placement {
        int col, row;
        std::uint8_t code;
        std::optional<ElementCarry> carry;
    };
    std::vector<Placement> placements;
    for (int i = 0; i <= m.right - m.left; ++i) {
        for (int j = 0; j <= m.bottom - m.top; ++j) {
            const std::uint8_t code = copy.at(i, j);
            if (code == 0) continue;
            const int col = to.col + i, row = to.row + j;
            if (col > GridMax || row > GridMax) continue;
            if (isBlockCode(code) && !(copy.at(i + 2, j + 2) == code && copy.at(i + 3, j + 3) != code &&
                                       copy.at(i + 2, j + 3) != code && copy.at(i + 3, j + 2) != code))
                continue;
            std::optional<ElementCarry> carry;
            if (const Element* e = scheme.ElementAt(m.left + i, m.top + j))
                if (e->Col == m.left + i && e->Row == m.top + j) carry = carryOf(scheme, *e);
            placements.push_back({col, row, code, std::move(carry)});
        }
    }
    if (move) eraseMarkCells(scheme, m);
    for (const Placement& p : placements) scheme.PutCell(p.col, p.row, p.code);
    for (const Placement& p : placements)
        if (p.carry) landCarry(scheme, p.col, p.row, *p.carry);
    scheme.mark.right = std::min(to.col + m.right - m.left, GridMax);
    scheme.mark.bottom = std::min(to.row + m.bottom - m.top, GridMax);
    scheme.mark.left = to.col;
    scheme.mark.top = to.row;
}

void deleteMarkedBlock(Scheme& scheme) {
    const Mark m = scheme.mark;
    if (m.empty()) return;
    eraseMarkCells(scheme, m);
    scheme.mark.right = m.left - 1;
    scheme.mark.bottom = m.top;
}

bool readBlockFile(FileSession& files, Workbench& wb, Cell at, const std::function<void()>& beforeRead) {
    const std::string name = files.chooseBlockFile(FileDialogKind::OpenScheme);
    if (name.empty()) return false;
    if (beforeRead) beforeRead();
    if (!files.tryFile([&] { ReadBlock(wb.scheme, at.col, at.row, name); })) return false;
    wb.ui().statusMessage("Opened.");
    return true;
}

void writeBlockFile(FileSession& files, Workbench& wb) {
    const std::string name = files.chooseBlockFile(FileDialogKind::SaveScheme);
    if (name.empty()) return;
    const Mark& m = wb.scheme.mark;
    bool written = false;
    if (files.tryFile([&] { written = WriteBlock(wb.scheme, m.left, m.top, m.right, m.bottom, name); }) &&
        written)
        wb.ui().statusMessage("Saved.");
}

}  // namespace velmar::editor
