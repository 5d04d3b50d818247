// Scheme files laid out byte by byte for the CLI tests, without the core: the 6-byte
// real computed independently, and the cell triples, element records and comment
// trailer of a scheme file.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <utility>
#include <vector>

namespace velmar::testing {

namespace fs = std::filesystem;
using Ext = long double;

// --- the 6-byte real, independently -------------------------------------------------------
// 40 significant bits (the leading one implicit), rounded by the first dropped bit with a
// half away from zero; exponent byte = binary exponent + 129 for 1.f x 2^e.

inline Ext store(Ext x) {
    if (x == 0) return 0;
    int e;
    const Ext m = std::frexp(std::fabs(x), &e);             // [0.5, 1)
    const Ext kept = std::floor(std::ldexp(m, 40) + 0.5L);  // 2^39 .. 2^40
    const Ext r = std::ldexp(kept, e - 40);
    if (e - 1 < -128) return 0;
    return x < 0 ? -r : r;
}

inline std::array<std::uint8_t, 6> bytesOf(Ext x) {
    std::array<std::uint8_t, 6> b{};
    x = store(x);
    if (x == 0) return b;
    int e;
    const Ext m = std::frexp(std::fabs(x), &e);
    auto fraction = static_cast<std::uint64_t>(std::ldexp(m, 40)) - (std::uint64_t{1} << 39);
    b[0] = static_cast<std::uint8_t>(e - 1 + 129);
    for (int i = 1; i <= 5; ++i, fraction >>= 8) b[static_cast<size_t>(i)] = fraction & 0xff;
    if (x < 0) b[5] |= 0x80;
    return b;
}

// --- a scheme file, laid out by hand ------------------------------------------------------
// Cell triples column by column (a block by its top-left cell only), a 0, the element
// records in (column, row) order, then the empty comment trailer 0, 42.

class SchemeBytes {
public:
    // A block with its record: the bytes of `prefix` (degrees of a polynomial link),
    // then each value as a 6-byte real.
    void block(int col, int row, int code, std::vector<Ext> record, std::vector<std::uint8_t> prefix = {}) {
        cells_[{col, row}] = code;
        records_[{col, row}] = std::move(record);
        prefixes_[{col, row}] = std::move(prefix);
    }
    void piece(int col, int row, int code) { cells_[{col, row}] = code; }
    // A straight wire from a block at (col, row) to the block five columns right.
    void link(int col, int row) {
        piece(col + 3, row + 1, 5);
        piece(col + 4, row + 1, 1);
    }
    void write(const fs::path& file) const {
        std::vector<std::uint8_t> out;
        for (const auto& [cell, code] : cells_) {
            out.push_back(static_cast<std::uint8_t>(cell.first));
            out.push_back(static_cast<std::uint8_t>(cell.second));
            out.push_back(static_cast<std::uint8_t>(code));
        }
        out.push_back(0);
        for (const auto& [cell, values] : records_) {
            const auto& prefix = prefixes_.at(cell);
            out.insert(out.end(), prefix.begin(), prefix.end());
            for (Ext v : values) {
                const auto b = bytesOf(v);
                out.insert(out.end(), b.begin(), b.end());
            }
        }
        out.push_back(0);
        out.push_back(42);
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    }

private:
    std::map<std::pair<int, int>, int> cells_;  // ordered by column, then row
    std::map<std::pair<int, int>, std::vector<Ext>> records_;
    std::map<std::pair<int, int>, std::vector<std::uint8_t>> prefixes_;
};

}  // namespace velmar::testing
