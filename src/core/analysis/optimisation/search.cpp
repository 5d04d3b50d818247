#include "core/analysis/optimisation/search.h"

namespace velmar {

std::vector<Real48> startSteps(const std::vector<Real48>& x) {
    std::vector<Real48> h;
    for (const Real48& v : x) h.emplace_back(v * 0.33333333333333333334L);
    return h;
}

void runSearch(SearchMethod method, Objective& f, std::vector<Real48>& x, const std::vector<Real48>& h,
               Extended accuracy) {
    switch (method) {
        case SearchMethod::Poisk2: Poisk(f, x, h, 16, 0.5L, accuracy); break;
        case SearchMethod::Poisk4: Poisk(f, x, h, 4, 0.25L, accuracy); break;
        case SearchMethod::NelderMead: NelderMead(f, x, h); break;
        case SearchMethod::HookeJeeves: HookeJeeves(f, x, h); break;
        case SearchMethod::Gradient: Gradient(f, x); break;
        case SearchMethod::CoordinateDescent: CoordinateDescent(f, x); break;
    }
}

}  // namespace velmar
