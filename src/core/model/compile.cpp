#include "core/model/compile.h"

#include "core/host.h"
#include "core/model/algebraic_loops.h"
#include "core/model/ordering.h"
#include "core/model/wire_trace.h"

namespace velmar {

namespace {

constexpr int kPhasePlane = 63;

int feederCount(const CompiledScheme& c, int n) {
    int count = 0;
    for (int i = 1; i <= c.N; ++i)
        if (c.link(i, n) != 0) ++count;
    return count;
}

int successorCount(const CompiledScheme& c, int n) {
    int count = 0;
    for (int j = 1; j <= c.N; ++j)
        if (c.link(n, j) != 0) ++count;
    return count;
}

// The scheme checks, in numbering order. Sources are placed first in the order and their
// outgoing links leave the working matrix.
void checkScheme(CompiledScheme& c, LinkTable& work, FaultCells& faults) {
    for (int n = 1; n <= c.N; ++n) {
        const Element& e = *c.Elements[static_cast<std::size_t>(n)];
        const Cell corner{e.Col, e.Row};
        const int feeders = feederCount(c, n);
        if (e.info().oneFeeder && feeders > 1) faults.add(corner);
        if (e.info().source) {
            if (feeders > 0) faults.add(corner);
            c.OrderList.push_back(n);
            for (auto& link : work[static_cast<std::size_t>(n)]) link = 0;
        }
        if (e.Code == kPhasePlane && (feeders != 1 || feeders + successorCount(c, n) > 1)) faults.add(corner);
    }
}

void unbind(Scheme& scheme) {
    for (const auto& e : scheme.ElementList()) e->Inputs.fill(nullptr);
}

}  // namespace

bool CompileScheme(Scheme& scheme, std::unique_ptr<CompiledScheme>& compiled, Host& host) {
    ReleaseCompiled(scheme, compiled);
    scheme.ConnectErrors.clear();

    auto built = std::make_unique<CompiledScheme>();
    CompiledScheme& c = *built;
    c.N = scheme.ElementCount();
    const auto size = static_cast<std::size_t>(c.N) + 1;
    c.Elements.assign(size, nullptr);
    for (const auto& e : scheme.ElementList()) c.Elements[e->Number] = e.get();
    LinkTable work(size, std::vector<std::uint8_t>(size, 0));

    FaultCells faults(scheme);
    for (int n = 1; n <= c.N; ++n)
        traceOutputs(scheme, *c.Elements[static_cast<std::size_t>(n)], work, faults);
    if (!faults.any()) {
        c.LinkMatrix = work;
        checkScheme(c, work, faults);
    }
    if (!faults.any())
        for (int n : orderElements(c, work, c.OrderList)) {
            const Element& e = *c.Elements[static_cast<std::size_t>(n)];
            faults.add({e.Col, e.Row});
        }
    if (faults.any()) {
        scheme.ConnectErrors = std::move(faults.cells());
        std::string text(kSchemeFaultText);
        for (const std::string& reason : faults.reasons()) text += "\n" + reason;
        host.message(Box::Error, text);
        return false;
    }

    for (int n = 1; n <= c.N; ++n) c.Elements[static_cast<std::size_t>(n)]->BindInputs(n, c);
    c.CalcOrder.reserve(c.OrderList.size());
    for (int n : c.OrderList) c.CalcOrder.push_back(c.Elements[static_cast<std::size_t>(n)]);
    for (const std::vector<int>& loop : findAlgebraicLoops(c)) host.warning(algebraicLoopWarning(loop));
    compiled = std::move(built);
    return true;
}

void ReleaseCompiled(Scheme& scheme, std::unique_ptr<CompiledScheme>& compiled) {
    compiled.reset();
    unbind(scheme);
}

}  // namespace velmar
