// The Popov sector bound by brute force, independent of the system's own search: on a
// logarithmic grid of frequencies the largest q·w·Im W - Re W (at least 0, the
// hodograph's end at the origin), minimised over q in [0, qMax] by ternary search (a
// maximum of lines is convex in q); the bound is the inverse of that minimum.
#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <functional>
#include <vector>

namespace velmar::testing {

inline long double BruteForcePopovBound(const std::function<std::complex<long double>(long double)>& W,
                                        long double lowDecade, long double highDecade, long double qMax) {
    constexpr int kPoints = 20000;
    std::vector<long double> X, Y;
    for (int k = 0; k <= kPoints; ++k) {
        const long double omega = std::pow(10.0L, lowDecade + (highDecade - lowDecade) * k / kPoints);
        const std::complex<long double> w = W(omega);
        X.push_back(w.real());
        Y.push_back(omega * w.imag());
    }
    const auto g = [&](long double q) {
        long double m = 0;
        for (std::size_t i = 0; i < X.size(); ++i) m = std::max(m, q * Y[i] - X[i]);
        return m;
    };
    long double lo = 0, hi = qMax;
    for (int i = 0; i < 200; ++i) {
        const long double a = lo + (hi - lo) / 3, b = hi - (hi - lo) / 3;
        if (g(a) <= g(b)) hi = b;
        else lo = a;
    }
    return 1 / std::min(g(lo), g(0));
}

}  // namespace velmar::testing
