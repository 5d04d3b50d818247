// The compiled form of a scheme, built when the Run regime is entered and dropped when
// the editor regime is entered again. While it exists element numbers do not change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmar {

class Element;

struct CompiledScheme {
    int N = 0;                       // ElementCount at compilation
    std::vector<Element*> Elements;  // [1..N] in numbering order (index 0 unused)
    // LinkMatrix[from][to], 1-based: 0 no link, 1 a wire from the output of `from`
    // reaches an input of `to`, 2 the wire enters a subtraction node on its
    // subtracting side.
    std::vector<std::vector<std::uint8_t>> LinkMatrix;
    std::vector<int> OrderList;       // element numbers in computation order
    std::vector<Element*> CalcOrder;  // elements in computation order (0-based)

    std::uint8_t link(int from, int to) const {
        return LinkMatrix[static_cast<std::size_t>(from)][static_cast<std::size_t>(to)];
    }
};

}  // namespace velmar
