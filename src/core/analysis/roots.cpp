#include "core/analysis/roots.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace velmar {

namespace {

// A complex number held as two 6-byte reals. Addition and subtraction work on the
// Cartesian form; multiplication, division and the square root on the polar form
// (moduli multiplied, divided or rooted; arguments added, subtracted or halved).
struct Complex48 {
    Real48 re;
    Real48 im;

    Extended modulus() const { return std::hypot(re.get(), im.get()); }
    Extended argument() const { return std::atan2(im.get(), re.get()); }
    bool isZero() const { return re.get() == 0 && im.get() == 0; }

    static Complex48 polar(Extended mod, Extended arg) {
        return {Real48(mod * std::cos(arg)), Real48(mod * std::sin(arg))};
    }
};

Complex48 operator+(Complex48 a, Complex48 b) { return {a.re + b.re, a.im + b.im}; }
Complex48 operator-(Complex48 a) { return {-a.re.get(), -a.im.get()}; }
Complex48 operator*(Complex48 a, Complex48 b) {
    return Complex48::polar(a.modulus() * b.modulus(), a.argument() + b.argument());
}
Complex48 operator/(Complex48 a, Complex48 b) {
    return Complex48::polar(a.modulus() / b.modulus(), a.argument() - b.argument());
}
Complex48 scaled(Complex48 a, Extended k) { return {a.re * k, a.im * k}; }
Complex48 plusReal(Complex48 a, Extended x) { return {a.re + x, a.im.get()}; }
Complex48 squareRoot(Complex48 a) {  // principal root: argument in (-pi/2, pi/2]
    return Complex48::polar(std::sqrt(a.modulus()), a.argument() / 2);
}

// Horner's scheme from the highest coefficient down.
Complex48 evaluate(const Polynomial& p, Complex48 z) {
    Complex48 v{};
    for (int i = p.order(); i >= 0; --i) v = plusReal(v * z, p[i]);
    return v;
}

// p / (s - x), the remainder dropped.
Polynomial deflateReal(const Polynomial& p, Extended x) {
    const int r = p.order();
    Polynomial q;
    q.Allocate(r - 1);
    Extended b = p[r];
    for (int k = r - 1; k >= 0; --k) {
        q.set(k, b);
        b = p[k] + x * q[k];
    }
    return q;
}

// p / (s^2 + ps + qs), the remainder dropped.
Polynomial deflateQuadratic(const Polynomial& p, Extended ps, Extended qs) {
    const int r = p.order();
    Polynomial q;
    q.Allocate(r - 2);
    for (int k = r - 2; k >= 0; --k) {
        const Extended above1 = k + 1 <= r - 2 ? q[k + 1] : 0.0L;
        const Extended above2 = k + 2 <= r - 2 ? q[k + 2] : 0.0L;
        q.set(k, p[k + 2] - ps * above1 - qs * above2);
    }
    return q;
}

constexpr int kStepsPerPass = 30;
constexpr int kPasses = 6;

// One root of p (order >= 2, p(0) != 0) by Cauchy's iteration from 0; false when all
// passes fail.
bool cauchyRoot(const Polynomial& p, Complex48& z) {
    const Polynomial d1 = p.Derivative();
    const Polynomial d2 = d1.Derivative();
    // The radius of a circle through the product of the roots: a stride for leaving a
    // point where both derivatives vanish.
    const Extended stride = std::pow(std::fabs(p[0] / p[p.order()]), 1.0L / p.order());
    z = {};
    Real48 eps = 1e-5L;
    for (int pass = 0; pass < kPasses; ++pass) {
        for (int k = 1; k <= kStepsPerPass; ++k) {
            const Complex48 P = evaluate(p, z);
            if (P.isZero()) return true;
            const Complex48 P1 = evaluate(d1, z);
            const Complex48 P2 = evaluate(d2, z);
            Complex48 a;
            if (!P1.isZero()) {
                const Complex48 E = scaled(P / P1, 2);              // E = 2 P / P'
                const Complex48 F = plusReal(-(E * (P2 / P1)), 1);  // F = 1 - E P''/P'
                a = -(E / plusReal(squareRoot(F), 1));              // a = -E / (1 + sqrt F)
            } else if (!P2.isZero()) {
                a = squareRoot(-(scaled(P / P2, 2)));  // a = sqrt(-2 P / P'')
            } else {
                a = z * Complex48{Real48(std::sin(static_cast<Extended>(k))), 0.0L};
                if (a.isZero()) a = Complex48::polar(stride, k);  // z = 0 would not move
            }
            z = z + a;
            if (std::fabs(z.im.get()) <= eps * std::fabs(z.re.get())) z.im = 0.0L;
            if (a.modulus() <= eps * z.modulus()) return true;
        }
        eps = eps * 10;
    }
    return false;
}

void sortDescending(RootList& roots) {
    std::vector<int> order(roots.re.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return roots.re[a].get() > roots.re[b].get(); });
    RootList sorted{roots.status, {}, {}};
    for (int i : order) {
        sorted.re.push_back(roots.re[i]);
        sorted.im.push_back(roots.im[i]);
    }
    roots = std::move(sorted);
}

// A complete search has found every root, however few (a first-degree polynomial has
// one); a search that ended early with at most one root has found nothing to go on.
RootStatus statusFor(int count, bool complete) {
    if (count == 0 || (!complete && count == 1)) return RootStatus::NotFound;
    return complete ? RootStatus::Found : RootStatus::Partial;
}

}  // namespace

RootList FindRoots(const Polynomial& poly) {
    RootList roots;
    if (poly.order() > kMaxRootOrder) {
        roots.status = RootStatus::OrderTooHigh;
        return roots;
    }
    Polynomial p = poly;
    bool complete = true;
    while (!p.empty() && p.order() > 0) {
        const int r = p.order();
        if (p[r] == 0) {  // the degree drops without a root
            Polynomial lower;
            lower.Allocate(r - 1);
            for (int i = 0; i < r; ++i) lower.set(i, p[i]);
            p = std::move(lower);
            continue;
        }
        Complex48 z{};
        if (r == 1) {
            z.re = -p[0] / p[1];
        } else if (p[0] != 0) {
            if (!cauchyRoot(p, z)) {
                complete = false;
                break;
            }
        }
        const Extended x = z.re;
        const Extended y = std::fabs(z.im.get());
        roots.re.push_back(x);
        roots.im.push_back(y);
        if (y != 0) {
            roots.re.push_back(x);
            roots.im.push_back(-y);
            p = deflateQuadratic(p, -2 * x, x * x + y * y);
        } else {
            p = deflateReal(p, x);
        }
    }
    roots.status = statusFor(roots.count(), complete);
    if (roots.count() > 1) sortDescending(roots);
    return roots;
}

namespace {

constexpr Extended kBairstowTolerance = 1e-4L;
constexpr int kBairstowIterations = 200;

void addQuadraticRoots(RootList& roots, Extended r, Extended s) {  // s^2 - r s - s
    const Extended disc = r * r + 4 * s;
    if (disc >= 0) {
        const Extended root = std::sqrt(disc);
        roots.re.push_back((r + root) / 2);
        roots.im.push_back(0.0L);
        roots.re.push_back((r - root) / 2);
        roots.im.push_back(0.0L);
    } else {
        const Extended imag = std::sqrt(-disc) / 2;
        roots.re.push_back(r / 2);
        roots.im.push_back(imag);
        roots.re.push_back(r / 2);
        roots.im.push_back(-imag);
    }
}

// One quadratic factor s^2 - r s - s of a (order n >= 3) from the start (r, s); on
// success `quotient` holds a divided by the factor.
bool bairstowFactor(const std::vector<Extended>& a, Extended& r, Extended& s,
                    std::vector<Extended>& quotient) {
    const int n = static_cast<int>(a.size()) - 1;
    std::vector<Extended> b(a.size()), c(a.size());
    for (int it = 0; it < kBairstowIterations; ++it) {
        // b_i = a_i + r b_(i+1) + s b_(i+2);  c_i = b_i + r c_(i+1) + s c_(i+2)
        for (int i = n; i >= 0; --i) {
            const Extended b1 = i + 1 <= n ? b[i + 1] : 0.0L;
            const Extended b2 = i + 2 <= n ? b[i + 2] : 0.0L;
            b[i] = a[i] + r * b1 + s * b2;
            const Extended c1 = i + 1 <= n ? c[i + 1] : 0.0L;
            const Extended c2 = i + 2 <= n ? c[i + 2] : 0.0L;
            c[i] = b[i] + r * c1 + s * c2;
        }
        const Extended det = c[2] * c[2] - c[3] * c[1];
        if (det == 0 || !std::isfinite(det)) return false;
        const Extended dr = (-b[1] * c[2] + b[0] * c[3]) / det;
        const Extended ds = (-b[0] * c[2] + b[1] * c[1]) / det;
        r += dr;
        s += ds;
        if (!std::isfinite(r) || !std::isfinite(s)) return false;
        if (std::sqrt(dr * dr + ds * ds) <= kBairstowTolerance) {
            quotient.assign(static_cast<size_t>(n) - 1, 0.0L);
            for (int i = n; i >= 2; --i) {  // the quotient of a by the converged factor
                const Extended q1 = i + 1 <= n ? quotient[i - 1] : 0.0L;
                const Extended q2 = i + 2 <= n ? quotient[i] : 0.0L;
                quotient[i - 2] = a[i] + r * q1 + s * q2;
            }
            return true;
        }
    }
    return false;
}

}  // namespace

RootList bairstowRoots(const Polynomial& poly) {
    RootList roots;
    if (poly.order() > kMaxRootOrder) {
        roots.status = RootStatus::OrderTooHigh;
        return roots;
    }
    Polynomial trimmed = poly;
    trimmed.Trim();
    std::vector<Extended> a;
    for (int i = 0; i <= trimmed.order() && !trimmed.empty(); ++i) a.push_back(trimmed[i]);
    while (a.size() > 1 && a.front() == 0) {  // s = 0, split off exactly
        roots.re.push_back(0.0L);
        roots.im.push_back(0.0L);
        a.erase(a.begin());
    }
    // Starting factors, scaled by the mean modulus of the roots.
    static constexpr std::array<std::pair<long double, long double>, 5> kStarts{
        {{1.1L, -0.9L}, {-0.7L, 1.3L}, {0.3L, 2.1L}, {2.5L, -3.7L}, {-1.9L, -0.4L}}};
    while (a.size() > 3) {
        const int n = static_cast<int>(a.size()) - 1;
        const Extended rho = std::pow(std::fabs(a[0] / a[n]), 1.0L / n);
        bool found = false;
        for (const auto& [r0, s0] : kStarts) {
            Extended r = r0 * rho, s = s0 * rho * rho;
            std::vector<Extended> quotient;
            if (bairstowFactor(a, r, s, quotient)) {
                addQuadraticRoots(roots, r, s);
                a = std::move(quotient);
                found = true;
                break;
            }
        }
        if (!found) {
            roots.status = RootStatus::NotFound;
            return roots;
        }
    }
    if (a.size() == 3) addQuadraticRoots(roots, -a[1] / a[2], -a[0] / a[2]);
    if (a.size() == 2) {
        roots.re.push_back(-a[0] / a[1]);
        roots.im.push_back(0.0L);
    }
    roots.status = RootStatus::Found;
    return roots;
}

}  // namespace velmar
