// The wire tracer of compilation: follows the drawn wires leaving an element and
// records the links they make and the cells where they break off.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/model/scheme.h"

namespace velmar {

using LinkTable = std::vector<std::vector<std::uint8_t>>;  // [from][to], 1-based

inline constexpr int kMaxConnectErrors = 101;

// Collects the fault cells of a compilation: each cell once (a block's top-left cell for
// a cell inside a block), at most kMaxConnectErrors of them; and, once each, the reasons
// a person cannot see on the canvas (a line that meets a block without an arrow, as one
// drawn before its block was put down does).
class FaultCells {
public:
    explicit FaultCells(const Scheme& scheme) : scheme_(scheme) {}
    void add(Cell cell);
    void explain(const std::string& reason);
    bool any() const { return !cells_.empty(); }
    std::vector<Cell>& cells() { return cells_; }
    const std::vector<std::string>& reasons() const { return reasons_; }

private:
    const Scheme& scheme_;
    std::vector<Cell> cells_;
    std::vector<std::string> reasons_;
};

// Traces every wire leaving `from` (element number `n`) and sets links[n][target] for
// each element it reaches.
void traceOutputs(const Scheme& scheme, const Element& from, LinkTable& links, FaultCells& faults);

}  // namespace velmar
