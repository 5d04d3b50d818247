#include "core/analysis/square_functional.h"

#include <cmath>

#include "core/analysis/integral_estimate.h"
#include "core/analysis/method_lists.h"
#include "core/analysis/polynomial_from_roots.h"
#include "core/host.h"
#include "core/model/value_dialog.h"
#include "core/numtext.h"

namespace velmar {

namespace {

constexpr int kMaxTypedCount = 30;

std::optional<std::vector<Extended>> typedCoefficients(Host& host) {
    const auto order = AskCount(host, "Polinom order", kMaxFunctionalOrder);
    if (!order) return std::nullopt;
    std::vector<DialogValue> rows;
    for (int i = 0; i <= *order; ++i) rows.push_back({"c" + std::to_string(i), 1, false, false});
    if (!AskValues(host, rows)) return std::nullopt;
    std::vector<Extended> c;
    for (const DialogValue& r : rows) c.push_back(r.value);
    return c;
}

void reportWeights(Host& host, MethodCode code, const std::vector<Extended>& d,
                   const FunctionalWeights& weights) {
    host.report(captionOfCode(code));
    for (std::size_t i = 0; i < d.size(); ++i)
        host.report("c[" + std::to_string(i) + "] = " + floatText(d[i]));
    for (std::size_t k = 0; k < weights.gamma.size(); ++k)
        host.report("T[" + std::to_string(k + 1) + "]^2 = " + floatText(weights.gamma[k]));
}

}  // namespace

std::string functionalProblem(FunctionalStatus status) {
    switch (status) {
        case FunctionalStatus::OrderOutOfRange:
            return "The square functional is computed for polynomials of order 1 to 5";
        case FunctionalStatus::ZeroConstantTerm: return "The constant term of D(s) must not be 0";
        case FunctionalStatus::NotConjugate: return kRootsNotConjugate;
        case FunctionalStatus::Done: break;
    }
    return {};
}

FunctionalWeights squareFunctionalWeights(std::vector<Extended> c) {
    while (!c.empty() && c.back() == 0) c.pop_back();
    const int n = static_cast<int>(c.size()) - 1;
    if (n < 1 || n > kMaxFunctionalOrder) return {FunctionalStatus::OrderOutOfRange, {}};
    if (c[0] == 0) return {FunctionalStatus::ZeroConstantTerm, {}};
    const Extended c0 = c[0];
    for (Extended& v : c) v /= c0;
    FunctionalWeights w;
    for (int k = 1; k <= n; ++k) {
        Extended gamma = 0;
        for (int j = 0; j <= k && k + j <= n; ++j) {
            const Extended term = c[static_cast<std::size_t>(k - j)] * c[static_cast<std::size_t>(k + j)];
            gamma += (j == 0 ? 1 : j % 2 ? -2 : 2) * term;
        }
        w.gamma.emplace_back(gamma);
    }
    return w;
}

FunctionalWeights squareFunctionalWeightsFromRoots(const std::vector<std::complex<Extended>>& roots) {
    const auto d = polynomialFromRoots(roots);
    if (!d) return {FunctionalStatus::NotConjugate, {}};
    return squareFunctionalWeights(*d);
}

std::optional<int> squareFunctionalOrder(Host& host, std::string_view text) {
    const auto value = parseNumber(text);
    if (!value || *value != std::trunc(*value) || *value < 1 || *value > kMaxTypedCount) {
        host.message(Box::Error, "Roots number /  Polinom order must be a whole number from 1 to 30");
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::vector<std::string> squareFunctionalInputHeaders(bool byRoots, int count) {
    std::vector<std::string> headers;
    for (int i = byRoots ? 1 : 0; i <= count; ++i)
        headers.push_back((byRoots ? "X" : "C") + std::to_string(i));
    return headers;
}

std::vector<std::string> squareFunctionalWeightHeaders(int order) {
    std::vector<std::string> headers;
    for (int k = 1; k <= order; ++k) headers.push_back("T" + std::to_string(k) + "^2");
    return headers;
}

std::optional<std::vector<std::string>> solveSquareFunctional(Host& host, bool byRoots,
                                                              const std::vector<std::string>& first,
                                                              const std::vector<std::string>& second) {
    auto read = [&host](const std::string& text) -> std::optional<Extended> {
        const auto v = parseNumber(text);
        if (!v) host.message(Box::Error, "'" + text + "' is not a valid floating point value");
        return v;
    };
    FunctionalWeights weights;
    if (byRoots) {
        std::vector<std::complex<Extended>> roots;
        for (std::size_t k = 0; k < first.size(); ++k) {
            const auto re = read(first[k]);
            if (!re) return std::nullopt;
            const auto im = read(k < second.size() ? second[k] : std::string("0"));
            if (!im) return std::nullopt;
            roots.emplace_back(*re, *im);
        }
        weights = squareFunctionalWeightsFromRoots(roots);
    } else {
        std::vector<Extended> c;
        for (const std::string& text : first) {
            const auto v = read(text);
            if (!v) return std::nullopt;
            c.push_back(*v);
        }
        // The grid's values are taken relative to the leading coefficient.
        while (!c.empty() && c.back() == 0) c.pop_back();
        if (!c.empty()) {
            const Extended lead = c.back();
            for (Extended& v : c) v /= lead;
        }
        weights = squareFunctionalWeights(c);
    }
    if (weights.status != FunctionalStatus::Done) {
        host.message(Box::Error, functionalProblem(weights.status));
        return std::nullopt;
    }
    std::vector<std::string> texts;
    for (const Real48& g : weights.gamma) texts.push_back(scientificText(g, 3));
    return texts;
}

void squareIntegralEstimation(Host& host, const TransferFunction& w) {
    for (MethodCode code;
         (code = host.chooseMethod(MethodList::FunctionalMinimisation)) != MethodCode::Leave;)
        functionalMinimisationItem(host, w, code);
}

void functionalMinimisationItem(Host& host, const TransferFunction& w, MethodCode code) {
    std::optional<std::vector<Extended>> d;
    if (code == MethodCode::MinimiseByCoefficients) {
        d = typedCoefficients(host);
    } else if (code == MethodCode::MinimiseByRoots) {
        d = askPolynomialByRoots(host, kMaxFunctionalOrder);
    } else if (code == MethodCode::MinimiseByCurrent) {
        d = CoefficientsOf(w.B);
    }
    if (!d) return;
    const FunctionalWeights weights = squareFunctionalWeights(*d);
    if (weights.status != FunctionalStatus::Done) {
        host.message(Box::Error, functionalProblem(weights.status));
        return;
    }
    std::vector<Extended> normalised = *d;
    while (!normalised.empty() && normalised.back() == 0) normalised.pop_back();
    for (Extended& v : normalised) v /= (*d)[0];
    reportWeights(host, code, normalised, weights);
}

}  // namespace velmar
