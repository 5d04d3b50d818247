#include "core/analysis/reduction.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "core/model/catalogue.h"
#include "core/model/compiled.h"
#include "core/model/element.h"

namespace velmar {

Polynomial pathNumerator(const Element& e) {
    if (inverts(e.Code)) return Polynomial{-1};
    return e.Numerator();
}

Polynomial Determinant(const PolynomialMatrix& m) {
    const int k = static_cast<int>(m.size());
    if (k == 0) return Polynomial{1};
    if (k == 1) return m[0][0];
    Polynomial sum;
    std::vector<bool> used(static_cast<size_t>(k), false);
    std::vector<Polynomial> partial(static_cast<size_t>(k) + 1);
    partial[0] = Polynomial{1};
    // Row r chooses column c; `odd` is the parity of the inversions so far.
    std::function<void(int, bool)> expand = [&](int r, bool odd) {
        if (r == k) {
            if (odd) {
                Polynomial term = partial[k];
                term.Negate();
                sum.Add(term);
            } else {
                sum.Add(partial[k]);
            }
            return;
        }
        int largerUsed = 0;  // chosen columns above c: each makes one inversion with c
        for (int c = 0; c < k; ++c)
            if (used[c]) ++largerUsed;
        for (int c = 0; c < k; ++c) {
            if (used[c]) {
                --largerUsed;
                continue;
            }
            const Polynomial& entry = m[r][c];
            if (entry.empty()) continue;
            used[c] = true;
            partial[r + 1] = partial[r] * entry;
            expand(r + 1, odd != (largerUsed % 2 == 1));
            used[c] = false;
        }
    };
    expand(0, false);
    if (sum.empty()) sum = Polynomial{0};
    return sum;
}

namespace {

class Reducer {
public:
    Reducer(const CompiledScheme& cs, int output, int entry)
        : cs_(cs), N_(cs.N), O_(output), E_(entry), visited_(N_ + 1, false) {}

    ReductionResult run() {
        ReductionResult result;
        if (auto refused = search(O_)) {
            result.status = ReductionStatus::Refused;
            result.message = *refused;
            return result;
        }
        if (auto loop = unbrokenLoop()) {
            result.status = ReductionStatus::Refused;
            result.message = "Loop without a summing or subtracting block : " + std::to_string(*loop);
            return result;
        }
        const std::vector<bool> part = takingPart();
        std::vector<int> remaining;
        for (int i = 1; i <= N_; ++i)
            if (part[i] && i != E_ && !info(i).source) remaining.push_back(i);
        int feeder = 0;
        for (int i = 1; i <= N_ && feeder == 0; ++i)
            if (cs_.link(i, O_) != 0 && part[i]) feeder = i;
        if (remaining.empty() || feeder == 0) return result;  // nothing to reduce

        const int k = static_cast<int>(remaining.size());
        std::vector<Polynomial> numerator(static_cast<size_t>(N_) + 1);
        for (int e : remaining) numerator[e] = pathNumerator(element(e));
        PolynomialMatrix M(static_cast<size_t>(k), std::vector<Polynomial>(k));
        std::vector<Polynomial> rightHand(static_cast<size_t>(k));  // E's row, negated
        for (int c = 0; c < k; ++c) {
            const int e = remaining[c];
            for (int r = 0; r < k; ++r) M[r][c] = coupling(remaining[r], e, numerator[e]);
            M[c][c] = element(e).Denominator();
            rightHand[c] = coupling(E_, e, numerator[e]);
            if (!rightHand[c].empty()) rightHand[c].Negate();
        }
        result.status = ReductionStatus::Reduced;
        result.w.B = Determinant(M);
        const auto at = std::find(remaining.begin(), remaining.end(), feeder);
        if (at == remaining.end()) {
            result.w.A = result.w.B;  // E itself feeds O: W = 1
        } else {
            M[static_cast<size_t>(at - remaining.begin())] = rightHand;
            result.w.A = Determinant(M);
        }
        return result;
    }

private:
    const Element& element(int i) const { return *cs_.Elements[static_cast<size_t>(i)]; }
    const BlockInfo& info(int i) const { return element(i).info(); }

    // The entry (d, e): e's numerator, negated for an ordinary link; empty without one.
    Polynomial coupling(int d, int e, const Polynomial& numeratorOfE) const {
        const std::uint8_t v = cs_.link(d, e);
        if (v == 0) return {};
        Polynomial p = numeratorOfE;
        if (v == 1) p.Negate();
        return p;
    }

    // Backward search from p; the refusal message of the first forbidden element met.
    std::optional<std::string> search(int p) {
        for (int i = 1; i <= N_; ++i) {
            if (cs_.link(i, p) == 0 || visited_[i]) continue;
            visited_[i] = true;
            if (i == E_) continue;
            if (!info(i).reducible) return "Nedopustimyi block : " + std::to_string(i);
            if (auto refused = search(i)) return refused;
        }
        return std::nullopt;
    }

    // An element of a loop among the visited elements that passes through no summing or
    // subtracting block and not through E; nothing when every loop is cut.
    std::optional<int> unbrokenLoop() const {
        auto inGraph = [&](int i) { return visited_[i] && i != E_ && !info(i).summing; };
        // Peel off elements without feeders in the graph; what is left lies on or after
        // a loop. Follow feeders back from a left element until one repeats.
        std::vector<int> feeders(static_cast<size_t>(N_) + 1, 0);
        for (int d = 1; d <= N_; ++d)
            for (int e = 1; e <= N_; ++e)
                if (inGraph(d) && inGraph(e) && cs_.link(d, e) != 0) ++feeders[e];
        std::vector<bool> peeled(static_cast<size_t>(N_) + 1, false);
        std::vector<int> ready;
        for (int i = 1; i <= N_; ++i)
            if (inGraph(i) && feeders[i] == 0) ready.push_back(i);
        while (!ready.empty()) {
            const int d = ready.back();
            ready.pop_back();
            peeled[d] = true;
            for (int e = 1; e <= N_; ++e)
                if (inGraph(e) && cs_.link(d, e) != 0 && --feeders[e] == 0) ready.push_back(e);
        }
        for (int start = 1; start <= N_; ++start) {
            if (!inGraph(start) || peeled[start]) continue;
            std::vector<bool> seen(static_cast<size_t>(N_) + 1, false);
            int i = start;
            while (!seen[i]) {
                seen[i] = true;
                for (int d = 1; d <= N_; ++d)
                    if (inGraph(d) && !peeled[d] && cs_.link(d, i) != 0) {
                        i = d;
                        break;
                    }
            }
            return i;  // the first element met twice lies on the loop
        }
        return std::nullopt;
    }

    // E and the visited elements that E reaches through visited elements.
    std::vector<bool> takingPart() const {
        std::vector<bool> part(static_cast<size_t>(N_) + 1, false);
        if (E_ < 1 || E_ > N_ || !visited_[E_]) return part;
        std::vector<int> stack{E_};
        part[E_] = true;
        while (!stack.empty()) {
            const int d = stack.back();
            stack.pop_back();
            for (int e = 1; e <= N_; ++e)
                if (visited_[e] && !part[e] && e != O_ && cs_.link(d, e) != 0) {
                    part[e] = true;
                    stack.push_back(e);
                }
        }
        return part;
    }

    const CompiledScheme& cs_;
    int N_, O_, E_;
    std::vector<bool> visited_;
};

}  // namespace

ReductionResult reduceScheme(const CompiledScheme& compiled, int output, int entry) {
    // Numbers from the scheme as it is now may lie beyond the compiled form of an older
    // one: the link matrix knows nothing of them.
    if (output < 1 || output > compiled.N || entry < 0 || entry > compiled.N) {
        ReductionResult refused;
        refused.status = ReductionStatus::Refused;
        refused.message = kStaleCompilation;
        return refused;
    }
    return Reducer(compiled, output, entry).run();
}

}  // namespace velmar
