#include <cmath>

#include "core/analysis/optimisation/search.h"

namespace velmar {

namespace {

constexpr Extended kReflection = 1.0L;
constexpr Extended kContraction = 0.5L;
constexpr Extended kExpansion = 2.0L;
constexpr Extended kSmallVariance = 1e-10L;
constexpr Extended kNoWorst = -1e20L, kNoBest = 1e20L;  // where the searches for them start

using Point = std::vector<Real48>;

// a + t (b - a), stored.
Point along(const Point& a, const Point& b, Extended t) {
    Point p(a.size());
    for (std::size_t i = 0; i < a.size(); ++i) p[i] = a[i] + t * (b[i] - a[i]);
    return p;
}

// The variance of the vertex values, about their mean (so equal values give exactly 0).
Extended variance(const std::vector<Extended>& values) {
    Extended mean = 0;
    for (Extended v : values) mean += v;
    mean /= static_cast<Extended>(values.size());
    Extended sum = 0;
    for (Extended v : values) sum += (v - mean) * (v - mean);
    return sum / static_cast<Extended>(values.size());
}

}  // namespace

void NelderMead(Objective& f, std::vector<Real48>& x, const std::vector<Real48>& h) {
    const std::size_t n = x.size();
    std::vector<Point> v(n + 1, x);
    std::vector<Extended> fv(n + 1);
    for (std::size_t i = 0; i < n; ++i) v[i + 1][i] = x[i] + h[i];
    for (std::size_t k = 0; k <= n; ++k) {
        fv[k] = f.value(x = v[k]);
        if (f.aborted()) return;
    }
    for (;;) {
        std::size_t w = 0, b = 0;
        Extended worst = kNoWorst, best = kNoBest;
        for (std::size_t k = 0; k <= n; ++k) {
            if (fv[k] > worst) worst = fv[k], w = k;
            if (fv[k] < best) best = fv[k], b = k;
        }
        Extended secondWorst = kNoWorst;
        for (std::size_t k = 0; k <= n; ++k)
            if (k != w && fv[k] > secondWorst) secondWorst = fv[k];

        Point c(n);
        for (std::size_t i = 0; i < n; ++i) {
            Extended sum = 0;
            for (std::size_t k = 0; k <= n; ++k)
                if (k != w) sum += v[k][i];
            c[i] = sum / static_cast<Extended>(n);
        }
        f.value(x = c);
        if (f.aborted()) return;
        const Point reflected = along(c, v[w], -kReflection);
        const Extended fr = f.value(x = reflected);
        if (f.aborted()) return;

        if (fr < best) {
            const Point expanded = along(c, reflected, kExpansion);
            const Extended fe = f.value(x = expanded);
            if (f.aborted()) return;
            if (fe < best) v[w] = expanded, fv[w] = fe;
            else v[w] = reflected, fv[w] = fr;
        } else if (fr <= secondWorst) {
            v[w] = reflected, fv[w] = fr;
        } else {
            if (fr <= fv[w]) v[w] = reflected, fv[w] = fr;
            const Point contracted = along(v[w], c, kContraction);
            const Extended fc = f.value(x = contracted);
            if (f.aborted()) return;
            if (fc > worst) {  // shrink towards the best vertex
                for (std::size_t k = 0; k <= n; ++k) {
                    v[k] = along(v[k], v[b], 0.5L);
                    fv[k] = f.value(x = v[k]);
                    if (f.aborted()) return;
                }
            } else {
                v[w] = contracted, fv[w] = fc;
            }
        }
        if (variance(fv) < kSmallVariance) return;
    }
}

}  // namespace velmar
