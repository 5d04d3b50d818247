#include "core/model/algebraic_loops.h"

#include <algorithm>
#include <functional>

#include "core/model/catalogue.h"
#include "core/model/element.h"

namespace velmar {

namespace {

bool instantaneous(const CompiledScheme& c, int n) {
    return c.Elements[static_cast<std::size_t>(n)]->info().contraction == Contraction::Instantaneous;
}

}  // namespace

std::vector<std::vector<int>> findAlgebraicLoops(const CompiledScheme& c) {
    // Tarjan's strongly connected components over the instantaneous elements only.
    const auto size = static_cast<std::size_t>(c.N) + 1;
    std::vector<int> index(size, -1), low(size, 0);
    std::vector<bool> onStack(size, false);
    std::vector<int> stack;
    std::vector<std::vector<int>> loops;
    int next = 0;

    std::function<void(int)> visit = [&](int v) {
        const auto at = [](int k) { return static_cast<std::size_t>(k); };
        index[at(v)] = low[at(v)] = next++;
        stack.push_back(v);
        onStack[at(v)] = true;
        for (int w = 1; w <= c.N; ++w) {
            if (c.link(v, w) == 0 || !instantaneous(c, w)) continue;
            if (index[at(w)] < 0) {
                visit(w);
                low[at(v)] = std::min(low[at(v)], low[at(w)]);
            } else if (onStack[at(w)]) {
                low[at(v)] = std::min(low[at(v)], index[at(w)]);
            }
        }
        if (low[at(v)] != index[at(v)]) return;
        std::vector<int> members;
        int w = 0;
        do {
            w = stack.back();
            stack.pop_back();
            onStack[at(w)] = false;
            members.push_back(w);
        } while (w != v);
        if (members.size() > 1 || c.link(v, v) != 0) {
            std::sort(members.begin(), members.end());
            loops.push_back(std::move(members));
        }
    };
    for (int v = 1; v <= c.N; ++v)
        if (instantaneous(c, v) && index[static_cast<std::size_t>(v)] < 0) visit(v);
    std::sort(loops.begin(), loops.end());
    return loops;
}

std::string algebraicLoopWarning(const std::vector<int>& members) {
    std::string names;
    for (int n : members) names += (names.empty() ? "" : ", ") + std::to_string(n);
    return "Algebraic loop of elements " + names +
           ": no element with dynamics breaks it, so each time point takes the loop's value of the point "
           "before";
}

}  // namespace velmar
