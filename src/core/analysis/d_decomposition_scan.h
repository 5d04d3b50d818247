// The scan of a D-decomposition: at every grid point the two parameters are written,
// the scheme is reduced to W(s) and the right roots of its denominator are counted.
//
// The points are shared out among worker threads, each with a copy of the scheme of
// its own (copied through the scheme's byte form, every parameter carried over, and
// compiled). A point's count depends on its coordinates only, so the map is the same
// whatever the number of threads. The host is called from the calling thread only:
// it shows the "Progress" window, polls the key queue while the workers run (Escape
// stops them; the points not reached stay kNotScanned and the map is marked stopped)
// and closes the window at the end.
//
// At a point the parameters are stored as 6-byte reals. A reduction refused by the
// scheme's structure is found before the scan starts; a point whose reduction or
// Routh table overflows or divides by zero is undetermined.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/host.h"
#include "core/model/polynomial.h"

namespace velmar {

class Scheme;
struct CompiledScheme;

// A parameter found the same way in the scheme and in its copies: the element's
// number and the index of the parameter in its Params.
struct ParameterAddress {
    int element = 0;
    std::size_t index = 0;
};

struct PlaneScan {
    const Scheme* scheme = nullptr;  // compiled without a fault
    const CompiledScheme* compiled = nullptr;
    int output = 0;    // the analysis block
    int entry = 0;     // its entry; 0: the hand-typed W(s), whose denominator is `fixed`
    Polynomial fixed;  // B(s) wherever the reduction leaves W(s) as it was
    ParameterAddress x, y;
    int threads = 0;  // 0: one per core
};

// Fills map.counts (the ranges and sizes set, both sizes > 0) and map.stopped. Returns
// the refusal message of the reduction when the scheme cannot be reduced; the map is
// then left unscanned.
std::optional<std::string> scanPlane(Host& host, const PlaneScan& scan, DDecompositionMap& map);

}  // namespace velmar
