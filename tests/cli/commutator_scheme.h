// The scheme most run tests use: a commutator (A = 2, T = 0.1, element 1) wired to
// channel 1 of a time recorder (element 2), whose output flips between ±A every ten
// points of the default step.
#pragma once

#include "cli/cli_process.h"
#include "core/model/scheme_file.h"

namespace velmar::testing {

// Saved as "commutator.shm" with its labels file in `dir`; without the arrow the
// recorder's input is not connected.
inline fs::path saveCommutatorScheme(const fs::path& dir, bool withArrow = true) {
    Scheme s;
    s.PutCell(4, 9, 81);
    s.PutCell(7, 10, withArrow ? 1 : 5);
    s.PutCell(8, 9, 62);
    s.element(1).Params[0].Value = 2.0L;
    s.element(1).Params[1].Value = 0.1L;
    const fs::path file = dir / "commutator.shm";
    SaveScheme(s, file, labelsFileFor(file));
    return file;
}

// Three blocks in a row at (4, 9), (8, 9) and (12, 9), each wired to the next.
inline void putThreeInARow(Scheme& s, std::uint8_t first, std::uint8_t second, std::uint8_t third) {
    s.PutCell(4, 9, first);
    s.PutCell(7, 10, 1);
    s.PutCell(8, 9, second);
    s.PutCell(11, 10, 1);
    s.PutCell(12, 9, third);
}

// A step (element 1) into a lag K / (T s + 1) (element 2) recorded in time (element 3),
// saved as "lag.shm": T < 0 blows up, T > 0 settles.
inline fs::path saveLagScheme(const fs::path& dir, Extended timeConstant = 1) {
    Scheme s;
    putThreeInARow(s, 33, 22, 62);
    s.element(2).Params[1].Value = timeConstant;
    const fs::path file = dir / "lag.shm";
    SaveScheme(s, file, labelsFileFor(file));
    return file;
}

}  // namespace velmar::testing
