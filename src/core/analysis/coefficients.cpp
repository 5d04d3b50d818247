#include "core/analysis/coefficients.h"

namespace velmar {

Coefficients CoefficientsOf(const Polynomial& p) {
    Coefficients c;
    for (const Real48& v : p.coefficients()) c.push_back(v);
    return c;
}

Extended evaluateAt(const Coefficients& c, Extended x) {
    Extended v = 0;
    for (std::size_t i = c.size(); i-- > 0;) v = v * x + c[i];
    return v;
}

Coefficients derivativeOf(const Coefficients& c) {
    Coefficients d;
    for (std::size_t i = 1; i < c.size(); ++i) d.push_back(static_cast<Extended>(i) * c[i]);
    return d;
}

}  // namespace velmar
