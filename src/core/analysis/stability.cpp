#include "core/analysis/stability.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/analysis/roots.h"

namespace velmar {

RouthResult routhTable(const Polynomial& d) {
    const int n = d.order();
    const int c = n / 2 + 2;  // columns per row
    std::vector<std::vector<Real48>> T(static_cast<size_t>(n) + 1, std::vector<Real48>(c));
    auto coeff = [&](int k) -> Extended { return k >= 0 && !d.empty() ? d[k] : 0.0L; };
    // Row 0 = dn, dn-2, ...; row 1 = dn-1, dn-3, ...; the last column stays 0.
    for (int j = 0; j <= c - 2; ++j) {
        T[0][j] = coeff(n - 2 * j);
        if (n >= 1) T[1][j] = coeff(n - 1 - 2 * j);
    }
    RouthResult result;
    for (int r = 1; r <= n - 1; ++r) {
        if (std::fabs(T[r][0].get()) <= kRouthZero) {
            result.determined = false;
            break;
        }
        const Extended q = T[r - 1][0] / T[r][0];
        for (int j = 0; j <= c - 2; ++j)  // T[r+1][j] = T[r-1][j+1] - q T[r][j+1]
            T[r + 1][j] = T[r - 1][j + 1] - q * T[r][j + 1];
    }
    for (const auto& row : T) result.firstColumn.push_back(row[0]);
    if (result.determined)
        for (int r = 1; r <= n; ++r)
            if (T[r - 1][0] * T[r][0] <= 0) ++result.rightRoots;
    return result;
}

namespace {

// The determinant of the k x k matrix a by elimination with complete pivoting.
Extended pivotedDeterminant(std::vector<std::vector<Extended>> a) {
    const int k = static_cast<int>(a.size());
    Extended det = 1;
    for (int s = 0; s < k; ++s) {
        int pr = s, pc = s;
        Extended best = std::fabs(a[s][s]);
        for (int i = s; i < k; ++i)  // the first largest in row order wins
            for (int j = s; j < k; ++j)
                if (std::fabs(a[i][j]) > best) {
                    best = std::fabs(a[i][j]);
                    pr = i;
                    pc = j;
                }
        if (best == 0) return 0;  // the remaining square is all zero
        if (pr != s) {
            std::swap(a[pr], a[s]);
            det = -det;
        }
        if (pc != s) {
            for (auto& row : a) std::swap(row[pc], row[s]);
            det = -det;
        }
        det *= a[s][s];
        for (int i = s + 1; i < k; ++i) {
            const Extended f = a[i][s] / a[s][s];
            for (int j = s; j < k; ++j) a[i][j] -= f * a[s][j];
        }
    }
    return det;
}

}  // namespace

HurwitzResult hurwitzMinors(const Polynomial& d) {
    const int n = d.order();
    // a0 = dn (the leading coefficient) .. an = d0; a(k) = 0 outside 0..n.
    auto a = [&](int k) -> Extended { return k < 0 || k > n || d.empty() ? 0.0L : d[n - k]; };
    std::vector<std::vector<Real48>> H(static_cast<size_t>(n), std::vector<Real48>(n));
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) H[i - 1][j - 1] = a(2 * j - i);
    HurwitzResult result;
    bool border = false, negative = false;
    for (int k = 1; k <= n; ++k) {
        std::vector<std::vector<Extended>> block(static_cast<size_t>(k), std::vector<Extended>(k));
        for (int i = 0; i < k; ++i)
            for (int j = 0; j < k; ++j) block[i][j] = H[i][j];
        Extended delta = pivotedDeterminant(std::move(block));
        if (std::fabs(delta) <= kHurwitzZero) {
            delta = 0;
            border = true;
        }
        if (delta < 0) negative = true;
        result.minors.emplace_back(delta);
    }
    result.verdict = negative ? HurwitzVerdict::Unstable
                     : border ? HurwitzVerdict::Border
                              : HurwitzVerdict::Stable;
    return result;
}

MikhailovParts::MikhailovParts(const Polynomial& d) {
    const int n = d.order();
    X.Allocate(n);
    Y.Allocate(n);
    for (int k = 0; k <= n && !d.empty(); ++k) {
        if (k % 2 == 0) X.set(k, k % 4 == 2 ? -d[k] : d[k]);
        else Y.set(k, k % 4 == 3 ? -d[k] : d[k]);
    }
}

namespace {

// The non-negative real roots of p, ascending; false when the finder fails or a root
// with a non-negative real part lies off the real axis.
bool nonNegativeRoots(const Polynomial& p, std::vector<Extended>& out) {
    const RootList roots = bairstowRoots(p);
    if (roots.status != RootStatus::Found) return false;
    for (int i = 0; i < roots.count(); ++i) {
        if (roots.re[i] < 0) continue;
        if (roots.im[i].get() != 0) return false;
        out.push_back(roots.re[i]);
    }
    std::sort(out.begin(), out.end());
    return true;
}

}  // namespace

bool mikhailovStable(const Polynomial& d) {
    const int n = d.order();
    // The hodograph turns the right way only when the two leading coefficients agree
    // in sign (otherwise a first-order s - 1 would pass the interlacing test).
    if (n < 1 || d[n] * d[n - 1] <= 0) return false;
    const MikhailovParts parts(d);
    std::vector<Extended> xs, ys;
    if (!nonNegativeRoots(parts.X, xs) || !nonNegativeRoots(parts.Y, ys)) return false;
    const size_t p = xs.size(), q = ys.size();
    if (q != p && q != p + 1) return false;
    // y1 < x1 < y2 < x2 < ...
    std::vector<Extended> merged;
    for (size_t i = 0; i < q; ++i) {
        merged.push_back(ys[i]);
        if (i < p) merged.push_back(xs[i]);
    }
    for (size_t i = 1; i < merged.size(); ++i)
        if (!(merged[i - 1] < merged[i])) return false;
    return true;
}

}  // namespace velmar
