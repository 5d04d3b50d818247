#include "core/blocks/polynomial_entry.h"

#include <cmath>

#include "core/model/bytes.h"
#include "core/model/value_dialog.h"
#include "core/numtext.h"

namespace velmar {

namespace {

Polynomial resized(const Polynomial& p, int order) {
    Polynomial r;
    r.Allocate(order);
    for (int i = 0; i <= order; ++i) r.set(i, i <= p.order() && !p.empty() ? p[i] : 1.0L);
    return r;
}

bool editPairs(Host& host, char letter, Polynomial& p, std::vector<Real48>& initial) {
    for (int i = 0; i <= p.order(); ++i) {
        const std::string index = std::to_string(i);
        std::vector<DialogValue> rows = {
            {std::string(1, letter) + index, p[i], false, false, true, {}},
            {"H.y." + index, initial[static_cast<size_t>(i)], false, false, true, {}},
        };
        if (!AskValues(host, rows)) return false;
        p.set(i, rows[0].value);
        initial[static_cast<size_t>(i)] = rows[1].value;
    }
    return true;
}

}  // namespace

void PolynomialEntry::reset(Extended coefficient) {
    A = Polynomial{coefficient};
    B = Polynomial{coefficient};
    initialA.assign(1, Real48());
    initialB.assign(1, Real48());
}

void PolynomialEntry::setDegrees(int m, int n) {
    A = resized(A, m);
    B = resized(B, n);
    initialA.resize(static_cast<size_t>(m) + 1);
    initialB.resize(static_cast<size_t>(n) + 1);
}

bool PolynomialEntry::edit(Host& host) {
    std::vector<DialogValue> degrees = {
        {"m", static_cast<Extended>(m()), false, false, true, {}, true},
        {"n", static_cast<Extended>(n()), false, false, true, {}, true},
    };
    const ValueCheck wholeDegrees = [](const std::vector<Extended>& v) {
        const std::string problem = degreeProblem(v[0]);
        return problem.empty() ? degreeProblem(v[1]) : problem;
    };
    if (!AskValues(host, degrees, {}, wholeDegrees)) return false;
    PolynomialEntry edited = *this;
    edited.setDegrees(static_cast<int>(std::lround(degrees[0].value)),
                      static_cast<int>(std::lround(degrees[1].value)));
    if (!editPairs(host, 'a', edited.A, edited.initialA)) return false;
    if (!editPairs(host, 'b', edited.B, edited.initialB)) return false;
    *this = std::move(edited);
    return true;
}

void PolynomialEntry::write(ByteWriter& out) const {
    out.byte(static_cast<std::uint8_t>(m()));
    out.byte(static_cast<std::uint8_t>(n()));
    for (int i = 0; i <= m(); ++i) out.real(A[i]);
    for (int i = 0; i <= n(); ++i) out.real(B[i]);
}

void PolynomialEntry::read(ByteReader& in) {
    // Read into a scratch entry first: a record cut short leaves this one untouched.
    PolynomialEntry r;
    const int m = in.byte();
    const int n = in.byte();
    r.A.Allocate(m);
    r.B.Allocate(n);
    for (int i = 0; i <= m; ++i) r.A.set(i, in.real());
    for (int i = 0; i <= n; ++i) r.B.set(i, in.real());
    r.initialA.assign(static_cast<size_t>(m) + 1, Real48());
    r.initialB.assign(static_cast<size_t>(n) + 1, Real48());
    *this = std::move(r);
}

void PolynomialEntry::list(std::vector<ParameterRow>& rows) const {
    for (int i = 0; i <= m(); ++i) rows.push_back({"a" + std::to_string(i), generalText(A[i], 9, 4)});
    for (int i = 0; i <= n(); ++i) rows.push_back({"b" + std::to_string(i), generalText(B[i], 9, 4)});
}

bool PolynomialEntry::setListed(int k, Extended value) {
    if (k >= 1 && k <= m() + 1) {
        A.set(k - 1, value);
        return true;
    }
    k -= m() + 1;
    if (k >= 1 && k <= n() + 1) {
        B.set(k - 1, value);
        return true;
    }
    return false;
}

}  // namespace velmar
