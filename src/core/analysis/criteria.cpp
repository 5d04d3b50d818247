#include "core/analysis/criteria.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "core/analysis/coefficient_file.h"
#include "core/analysis/frequency.h"
#include "core/analysis/stability.h"
#include "core/host.h"
#include "core/numtext.h"

namespace velmar {

namespace {

const char* const kRouthUndetermined = "It is impossible to determine stability";

// D(s) = B(s) of the solved transfer function; nothing, with the reason shown, when
// there is none or it is of an order the criteria's tables cannot hold.
std::optional<Polynomial> characteristicPolynomial(Host& host, const TransferFunction& w) {
    if (w.B.empty()) {
        host.message(Box::Error, kNoTransferFunction);
        return std::nullopt;
    }
    if (w.A.order() > kMaxCriterionOrder || w.B.order() > kMaxCriterionOrder) {
        host.message(Box::Error, "A polynomial of order " +
                                     std::to_string(std::max(w.A.order(), w.B.order())) +
                                     " is above the order " + std::to_string(kMaxCriterionOrder) +
                                     " the criteria accept");
        return std::nullopt;
    }
    return w.B;
}

void verdict(Host& host, const std::string& text) {
    host.report(text);
    host.message(Box::Information, text);
}

}  // namespace

void routhCriterion(Host& host, const TransferFunction& w) {
    const auto d = characteristicPolynomial(host, w);
    if (!d) return;
    const RouthResult routh = routhTable(*d);
    host.clearReport();
    host.report("By Rauth:");
    host.report("Elements of the first column :");
    for (size_t i = 1; i <= routh.firstColumn.size(); ++i)
        host.report("Next :  N" + fixedText(static_cast<Extended>(i), 2, 0) + " =" +
                    fixedText(routh.firstColumn[i - 1], 10, 5));
    host.report("Number of right roots:" +
                (routh.determined ? std::to_string(routh.rightRoots) : std::string(" undetermined")));
    verdict(host, !routh.determined       ? kRouthUndetermined
                  : routh.rightRoots == 0 ? "Sistem is stable"
                                          : "Sistem is unstable");
}

void hurwitzCriterion(Host& host, const TransferFunction& w) {
    const auto d = characteristicPolynomial(host, w);
    if (!d) return;
    const HurwitzResult hurwitz = hurwitzMinors(*d);
    host.clearReport();
    host.report("By Gurvitz:");
    for (size_t k = 1; k <= hurwitz.minors.size(); ++k)
        host.report("det_ " + std::to_string(k) + " = " + fixedText(hurwitz.minors[k - 1], 10, 5));
    switch (hurwitz.verdict) {
        case HurwitzVerdict::Stable: verdict(host, "System is stable"); break;
        case HurwitzVerdict::Border: verdict(host, "System is on the border of stability"); break;
        case HurwitzVerdict::Unstable: verdict(host, "System is unstable"); break;
    }
}

void mikhailovCriterion(Host& host, const TransferFunction& w) {
    const auto d = characteristicPolynomial(host, w);
    if (!d) return;
    host.clearReport();
    host.report("By Mikhailov:");
    verdict(host, mikhailovStable(*d) ? " Sistem is stable" : " Sistem is unstable");

    FrequencyRange range{0.0L, 2.0L, 0.01L};
    if (!askFrequencyRange(host, range)) return;
    const MikhailovParts parts(*d);
    // X(w) and Y(w) as sums of coefficient * w^k with w^k = exp(k ln w).
    auto sum = [](const Polynomial& p, Extended lnOmega) {
        Extended s = 0;
        for (int k = 0; k <= p.order(); ++k) s += p[k] * std::exp(k * lnOmega);
        return s;
    };
    std::vector<Real48> xs, ys;
    const Extended end = range.end, step = range.step;
    for (Real48 omega = gridStart(range.begin); omega < end; omega = omega + step) {
        const Extended lnOmega = std::log(omega.get());
        xs.emplace_back(sum(parts.X, lnOmega));
        ys.emplace_back(sum(parts.Y, lnOmega));
    }
    Diagrams slots;
    slots[0] = {xs.data(), ys.data(), static_cast<int>(xs.size()), "Indicator"};
    host.showGraph(slots, kMikhailovGraphKind);
}

}  // namespace velmar
