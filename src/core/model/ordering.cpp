#include "core/model/ordering.h"

#include <algorithm>

namespace velmar {

namespace {

class Orderer {
public:
    Orderer(const CompiledScheme& compiled, LinkTable& work, std::vector<int>& order)
        : n_(compiled.N),
          compiled_(compiled),
          work_(work),
          order_(order),
          placed_(static_cast<std::size_t>(n_) + 1, false) {
        for (int k : order_) placed_[static_cast<std::size_t>(k)] = true;
    }

    // Contracts the elements the catalogue gives to this pass.
    void contractionPass(Contraction pass) {
        int largest = 2;
        for (int t = 2; t <= largest; ++t) {
            for (int i = 1; i <= n_; ++i) {
                const int d = degree(i);
                largest = std::max(largest, d);
                if (d <= t && compiled_.Elements[at(i)]->info().contraction == pass) {
                    contract(i);
                    takeBreakers();
                }
            }
        }
    }

    // Sweeps until every element is placed or a sweep places nothing.
    bool placeByDependency() {
        for (bool progress = true; progress;) {
            progress = false;
            for (int j = 1; j <= n_; ++j) {
                if (placed_[at(j)] || !feedersPlaced(j)) continue;
                place(j);
                progress = true;
            }
        }
        return static_cast<int>(order_.size()) == n_;
    }

    // The unplaced elements that can reach themselves through unplaced elements.
    std::vector<int> unbrokenLoops() const {
        std::vector<int> members;
        for (int j = 1; j <= n_; ++j)
            if (!placed_[at(j)] && reachesItself(j)) members.push_back(j);
        return members;
    }

private:
    static std::size_t at(int k) { return static_cast<std::size_t>(k); }
    bool linked(int from, int to) const { return work_[at(from)][at(to)] != 0; }

    int degree(int i) const {
        int d = 0;
        for (int j = 1; j <= n_; ++j)
            if (j != i && (linked(i, j) || linked(j, i))) ++d;
        return d;
    }

    // Replaces i by direct links from each of its feeders to each of its successors.
    void contract(int i) {
        std::vector<int> feeders, successors;
        for (int j = 1; j <= n_; ++j) {
            if (linked(j, i)) feeders.push_back(j);
            if (linked(i, j)) successors.push_back(j);
        }
        if (feeders.empty() || successors.empty()) return;
        for (int p : feeders) work_[at(p)][at(i)] = 0;
        for (int s : successors) work_[at(i)][at(s)] = 0;
        for (int p : feeders)
            for (int s : successors) work_[at(p)][at(s)] = 1;
    }

    void takeBreakers() {
        for (int k = 1; k <= n_; ++k) {
            if (!linked(k, k)) continue;
            for (int j = 1; j <= n_; ++j) work_[at(k)][at(j)] = work_[at(j)][at(k)] = 0;
            if (!placed_[at(k)]) place(k);
        }
    }

    void place(int k) {
        order_.push_back(k);
        placed_[at(k)] = true;
    }

    bool feedersPlaced(int j) const {
        for (int i = 1; i <= n_; ++i)
            if (compiled_.link(i, j) != 0 && !placed_[at(i)]) return false;
        return true;
    }

    bool reachesItself(int start) const {
        std::vector<bool> seen(at(n_) + 1, false);
        std::vector<int> stack{start};
        while (!stack.empty()) {
            const int k = stack.back();
            stack.pop_back();
            for (int s = 1; s <= n_; ++s) {
                if (compiled_.link(k, s) == 0 || placed_[at(s)]) continue;
                if (s == start) return true;
                if (!seen[at(s)]) {
                    seen[at(s)] = true;
                    stack.push_back(s);
                }
            }
        }
        return false;
    }

    int n_;
    const CompiledScheme& compiled_;
    LinkTable& work_;
    std::vector<int>& order_;
    std::vector<bool> placed_;
};

}  // namespace

std::vector<int> orderElements(const CompiledScheme& compiled, LinkTable& work, std::vector<int>& order) {
    Orderer orderer(compiled, work, order);
    orderer.contractionPass(Contraction::Instantaneous);
    orderer.contractionPass(Contraction::Dynamic);
    if (orderer.placeByDependency()) return {};
    return orderer.unbrokenLoops();
}

}  // namespace velmar
