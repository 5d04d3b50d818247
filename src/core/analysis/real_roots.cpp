#include "core/analysis/real_roots.h"

#include <algorithm>
#include <cmath>

namespace velmar {

namespace {

void trim(Coefficients& c) {
    while (!c.empty() && c.back() == 0) c.pop_back();
}

int sign(Extended v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

// The root in [a, b] of a polynomial that is monotone there and has opposite signs at
// the ends, to the last representable midpoint.
Extended bisect(const Coefficients& c, Extended a, Extended b, int signA) {
    for (int i = 0; i < 400; ++i) {
        const Extended m = a + (b - a) / 2;
        if (m <= a || m >= b) break;
        const int s = sign(evaluateAt(c, m));
        if (s == 0) return m;
        if (s == signA) a = m;
        else b = m;
    }
    return a + (b - a) / 2;
}

}  // namespace

std::vector<Extended> realRoots(Coefficients c) {
    trim(c);
    if (c.size() < 2) return {};
    if (c.size() == 2) return {-c[0] / c[1]};
    Extended bound = 0;
    for (std::size_t i = 0; i + 1 < c.size(); ++i) bound = std::max(bound, std::fabs(c[i] / c.back()));
    bound += 1;
    std::vector<Extended> ends = {-bound};
    for (const Extended x : realRoots(derivativeOf(c)))
        if (x > -bound && x < bound) ends.push_back(x);
    ends.push_back(bound);
    std::vector<Extended> roots;
    auto add = [&roots](Extended x) {
        if (roots.empty() || roots.back() != x) roots.push_back(x);
    };
    for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
        const Extended a = ends[i], b = ends[i + 1];
        const int sa = sign(evaluateAt(c, a)), sb = sign(evaluateAt(c, b));
        if (sa == 0) add(a);
        if (sa != 0 && sb != 0 && sa != sb) add(bisect(c, a, b, sa));
        if (sb == 0 && i + 2 == ends.size()) add(b);
    }
    return roots;
}

std::vector<Extended> positiveRealRoots(Coefficients c) {
    trim(c);
    std::size_t lowest = 0;
    while (lowest < c.size() && c[lowest] == 0) ++lowest;
    Coefficients even;
    for (std::size_t i = lowest; i < c.size(); i += 2) even.push_back(c[i]);
    std::vector<Extended> roots;
    for (const Extended u : realRoots(even))
        if (u > 0) roots.push_back(std::sqrt(u));
    return roots;
}

std::vector<Extended> positiveRealRoots(const Polynomial& p) { return positiveRealRoots(CoefficientsOf(p)); }

}  // namespace velmar
